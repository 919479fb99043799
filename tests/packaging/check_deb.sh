#!/usr/bin/env bash
# Builds the Debian package, runs lintian on it, and, as root on a Debian
# system without Pixoram installed, installs it, runs both programs from it
# and removes it again. Exit status 77 (skipped) says why it did not install.
# Usage: check_deb.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null)
deb=$(ls "$work"/pixoram_*.deb)
dpkg-deb -f "$deb" Depends

# lintian warns that it runs as root; its findings are what count.
lintian_status=0
lintian --fail-on error "$deb" >"$work/lintian.txt" 2>&1 || lintian_status=$?
grep -v 'running with root privileges' "$work/lintian.txt" || true
[ $lintian_status = 0 ] || { echo "FAIL: lintian finds errors"; exit 1; }

if [ "$(id -u)" != 0 ]; then
  echo "SKIP: installing needs root"
  exit 77
fi
if dpkg-query -W -f='${Status}' pixoram 2>/dev/null | grep -q 'install ok installed'; then
  echo "SKIP: a pixoram package is installed already; it is left alone"
  exit 77
fi
dpkg -i "$deb" >/dev/null
failed=0
/usr/bin/pixoram-cli --version || failed=1
/usr/bin/pixoram-cli convert -q /usr/share/icons/hicolor/256x256/apps/pixoram.png "$work/icon.9xi" || failed=1
# The editor keeps running until it is closed: still running after 3 s means it started.
set +e
QT_QPA_PLATFORM=offscreen timeout 3 /usr/bin/pixoram "$work/icon.9xi"
status=$?
set -e
[ $status = 124 ] || { echo "FAIL: pixoram ended with status $status"; failed=1; }
dpkg -r pixoram >/dev/null
for left in /usr/bin/pixoram /usr/bin/pixoram-cli /usr/share/applications/io.github.pixoram.Pixoram.desktop; do
  [ ! -e "$left" ] || { echo "FAIL: $left is still there after removal"; failed=1; }
done
[ $failed = 0 ] && echo "the package installs, both programs run, and it removes cleanly"
exit $failed
