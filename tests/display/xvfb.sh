#!/bin/sh
# Starts or stops the X server the display tests run on.
#   xvfb.sh start :NN PIDFILE    fails when :NN is taken
#   xvfb.sh stop  :NN PIDFILE
set -u
cmd=$1 display=$2 pidfile=$3
n=${display#:}
case $cmd in
start)
  if [ -e "/tmp/.X${n}-lock" ] && kill -0 "$(tr -d ' ' < "/tmp/.X${n}-lock")" 2>/dev/null; then
    echo "xvfb.sh: display $display is in use" >&2
    exit 1
  fi
  # 96 dpi: the dialog base unit is then 8 pixels, as on the old system.
  Xvfb "$display" -screen 0 1280x1024x24 -dpi 96 -nolisten tcp >/dev/null 2>&1 &
  echo $! > "$pidfile"
  i=0
  while [ ! -S "/tmp/.X11-unix/X${n}" ]; do
    i=$((i + 1))
    if [ $i -gt 100 ] || ! kill -0 "$(cat "$pidfile")" 2>/dev/null; then
      echo "xvfb.sh: Xvfb did not start on $display" >&2
      exit 1
    fi
    sleep 0.05
  done
  ;;
stop)
  if [ -f "$pidfile" ]; then
    kill "$(cat "$pidfile")" 2>/dev/null
    rm -f "$pidfile"
  fi
  ;;
*)
  echo "usage: xvfb.sh start|stop :NN pidfile" >&2
  exit 2
  ;;
esac
