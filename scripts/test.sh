#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test suite.
#
# On CI (CI=true), with --sanitize or with FLUMO_SANITIZE=1 it then builds
# everything again in build-asan/ with AddressSanitizer and
# UndefinedBehaviorSanitizer (the FLUMO_SANITIZE CMake option; -O1 and line
# tables only: exact enough reports, and the instrumented tests run several
# times faster than at -O0) and runs every suite there too, leaks included.
# That build links to build/'s media folder instead of generating its own.
# The monkey runs once: in the sanitizer build when there is one.
# --no-sanitize skips the sanitizer build, on CI too.
set -euo pipefail
cd "$(dirname "$0")/.."

sanitize=0
if [ "${CI:-}" = "true" ] || [ "${FLUMO_SANITIZE:-0}" = "1" ]; then
  sanitize=1
fi
for arg in "$@"; do
  case "$arg" in
    --sanitize) sanitize=1 ;;
    --no-sanitize) sanitize=0 ;;
    *) echo "usage: $0 [--sanitize | --no-sanitize]" >&2; exit 2 ;;
  esac
done

bash scripts/install-deps.sh
bash scripts/build.sh
skip=()
if [ "$sanitize" = 1 ]; then
  skip=(-LE monkey)
fi
(cd build && ctest --output-on-failure -j"$(nproc)" "${skip[@]}")

if [ "$sanitize" = 1 ]; then
  cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1 -DNDEBUG" \
    -DFLUMO_SANITIZE=ON -DFLUMO_REUSE_MEDIA="$PWD/build" >/dev/null
  cmake --build build-asan -j"$(nproc)"
  (cd build-asan && ctest --output-on-failure -j"$(nproc)")
fi
