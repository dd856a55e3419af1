#!/usr/bin/env bash
# Builds the Debian package build/flumo_<version>_<arch>.deb: installs what is
# missing, builds what the package holds (not the tests), takes the AppStream
# screenshots and runs CPack. With --lintian the package is then checked by
# lintian, which fails on errors (that check takes a few minutes).
set -euo pipefail
cd "$(dirname "$0")/.."
lint=0
case "${1:-}" in
  --lintian) lint=1 ;;
  "") ;;
  *) echo "usage: $0 [--lintian]" >&2; exit 2 ;;
esac
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target flumo media icons packagedocs
bash scripts/screenshots.sh
cd build
rm -f flumo_*.deb
cpack -G DEB
deb="$(ls flumo_*.deb)"
ls -l "$deb"
if [ "$lint" = 1 ]; then
  lintian --fail-on error --info "$deb"
fi
