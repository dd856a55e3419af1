#!/usr/bin/env bash
# Installs what is missing, builds, and starts Flumo in its media folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
cd build/media
exec ../flumo
