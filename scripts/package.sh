#!/usr/bin/env bash
# Builds the Debian package build/flumo_<version>_<arch>.deb: installs what is
# missing, builds, takes the AppStream screenshots and runs CPack.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
bash scripts/screenshots.sh
cd build
cpack -G DEB
ls -l flumo_*.deb
