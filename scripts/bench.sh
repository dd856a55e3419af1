#!/usr/bin/env bash
# One benchmark command: prints the table of launch time, memory, problem
# builds, highlight move and the media pack's generation and size beside
# their targets (scripts/bench.py --help for its options). Builds what it
# times, then runs on a virtual X display. Run as root to include the launch
# with a dropped page cache.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build -j2 --target flumo mediagen bench_problemcycle media >/dev/null
exec xvfb-run -a -s "-screen 0 1024x768x24 -ac" python3 scripts/bench.py "$@"
