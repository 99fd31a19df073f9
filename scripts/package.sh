#!/usr/bin/env bash
# Builds the Debian package from the release build (build/tolvane_*.deb) and
# checks it as the distribution would: lintian, pedantic tags included, must
# print no error or warning, and the AppStream metainfo must validate.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh lintian
./scripts/build.sh
(cd build && cpack -G DEB > /dev/null)
deb=$(ls -t build/tolvane_*.deb | head -n1)
echo "$deb"
appstreamcli validate --no-net packaging/*.metainfo.xml
lintian --pedantic --info "$deb" | tee build/lintian.txt
! grep -qE '^(E|W):' build/lintian.txt
