#!/usr/bin/env bash
# Takes the screenshots named by the AppStream metadata: starts the built
# program under a virtual X display and writes build/screenshots/intro.png
# (the task selection screen) and exercise.png (a first exercise).
# Needs xvfb-run, xdotool and ImageMagick (scripts/install-deps.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
out="$PWD/build/screenshots"
mkdir -p "$out"
if [ -z "${FLUMO_SHOTS_INNER:-}" ]; then
  FLUMO_SHOTS_INNER=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -ac" bash "$0"
fi

log="$(mktemp)"
home="$(mktemp -d)"
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$home" "$log"' EXIT
HOME="$home" SDL_AUDIODRIVER=dummy QT_LOGGING_RULES="flumo.trace=true" \
  build/flumo --media build/media 2>"$log" &
pid=$!

wait_for() {   # wait_for PATTERN: until the trace shows it (60 s at most)
  for _ in $(seq 600); do
    grep -q "$1" "$log" && return 0
    kill -0 "$pid" 2>/dev/null || { cat "$log" >&2; return 1; }
    sleep 0.1
  done
  echo "screenshots: timed out waiting for $1" >&2
  return 1
}

wait_for "screen name=FUvodObr1 shown"
sleep 2
import -window root "$out/intro.png"
# Enter starts the exercise marked on the intro screen.
xdotool key Return
wait_for "screen name=FUkolu1 shown"
sleep 4
import -window root "$out/exercise.png"
echo "screenshots in $out"
