#!/usr/bin/env bash
# The installed desktop files pass their validators, and the MIME type's content
# rules recognise a picture file without an extension.
# Usage: check_desktop.sh BUILD_DIR PIXORAM_CLI
set -euo pipefail
build=$1
cli=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# desktop-file-validate prints errors, warnings and hints alike: any output fails.
out=$(desktop-file-validate "$share/applications/io.github.pixoram.Pixoram.desktop" 2>&1) || true
[ -z "$out" ] || fail "desktop-file-validate: $out"
appstreamcli validate --no-net "$share/metainfo/io.github.pixoram.Pixoram.metainfo.xml" >"$work/as.txt" 2>&1 \
  || fail "appstreamcli: $(cat "$work/as.txt")"

for page in pixoram pixoram-cli; do
  out=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l "$share/man/man1/$page.1.gz" 2>&1 >/dev/null) || fail "man $page"
  [ -z "$out" ] || fail "man $page warns: $out"
done

for size in 16 32 48 64 128 256; do
  got=$(identify -format '%wx%h' "$share/icons/hicolor/${size}x${size}/apps/pixoram.png" 2>/dev/null) || got=none
  [ "$got" = "${size}x${size}" ] || fail "icon ${size}: $got"
done
[ -s "$share/icons/hicolor/scalable/apps/pixoram.svg" ] || fail "no scalable icon"

# The MIME database of the test prefix alone, read as a desktop would read it.
export XDG_DATA_DIRS=$share:/usr/share XDG_DATA_HOME=$work/home
update-mime-database "$share/mime"
convert -size 64x32 xc:white -fill black -draw 'rectangle 4,4 30,20' "$work/source.png"
"$cli" convert -q "$work/source.png" "$work/moon.9xi"
"$cli" convert -q "$work/source.png" "$work/moon.92i"
cp "$work/moon.9xi" "$work/plus-without-extension"
cp "$work/moon.92i" "$work/ti92-without-extension"
printf '**TI92P*\001\000main\000\000\000\000\000\000 a program, not a picture\n' >"$work/not-a-picture"
check_type() {
  local got
  got=$(xdg-mime query filetype "$1")
  [ "$got" = "$2" ] || fail "$(basename "$1"): $got, expected $2"
}
check_type "$work/moon.9xi" application/x-tilp-picture
check_type "$work/plus-without-extension" application/x-tilp-picture
check_type "$work/ti92-without-extension" application/x-tilp-picture
[ "$(xdg-mime query filetype "$work/not-a-picture")" != application/x-tilp-picture ] || fail "a program counts as a picture"

[ $failed = 0 ] && echo "desktop files, manual pages, icons and MIME rules pass"
exit $failed
