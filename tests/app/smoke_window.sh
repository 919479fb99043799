#!/bin/sh
# Starts the editor in a real X server with a picture file and checks, from
# screenshots of the screen, that the picture shows. Gives up after 100 tries,
# or at once when the editor ends by itself.
# Usage: smoke_window.sh PIXORAM SCREENSHOT_CHECK PICTURE WORKDIR [NAME]
# With NAME the picture is copied to WORKDIR/NAME and the editor is started in
# WORKDIR with NAME as its argument: a name such as "-reverse" is a file too.
set -u
# Server numbers from 150 up, away from those other X tools usually take first.
exec xvfb-run -a -n 150 -s "-screen 0 1024x768x24 -nolisten tcp" sh -c '
  pixoram=$1 check=$2 picture=$3 shot=$4/smoke-shot-$$.png
  if [ $# -ge 5 ]; then
    cp "$picture" "$4/$5" && cd "$4" || exit 1
    picture=$5
  fi
  QT_QPA_PLATFORM=xcb "$pixoram" "$picture" & pid=$!
  tries=0
  while [ $tries -lt 100 ]; do
    tries=$((tries + 1))
    kill -0 $pid 2>/dev/null || { echo "the editor ended by itself"; exit 1; }
    if import -window root "$shot" 2>/dev/null && "$check" "$shot" "$picture"; then
      kill $pid; exit 0
    fi
    sleep 0.2
  done
  kill $pid; exit 1' smoke "$@"
