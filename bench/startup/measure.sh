#!/usr/bin/env bash
# Start-up of the program against a bare Qt window, side by side on one private Xvfb display:
# time from process start to the mapped and to the first painted window, CPU time to the first
# paint, and resident memory, as medians.
# Usage: measure.sh PATH/TO/simplesso PATH/TO/bare_window [RUNS]
set -u

if [ $# -lt 2 ] || [ ! -x "$1" ] || [ ! -x "$2" ]; then
    echo "usage: $0 PATH/TO/simplesso PATH/TO/bare_window [RUNS]" >&2
    exit 2
fi
program=$1
baseline=$2
runs=${3:-10}
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d "${TMPDIR:-/tmp}/simplesso-startup.XXXXXX")
xvfb=
cleanup() {
    if [ -n "$xvfb" ]; then
        kill -TERM "$xvfb" 2>/dev/null
        wait "$xvfb" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

# A display of our own from :120 up; Xvfb reports the number once it listens and gives up if
# another server holds it. A black root shows an unpainted window as one plain colour.
display=
for n in $(seq 120 199); do
    [ -e "/tmp/.X$n-lock" ] && continue
    : >"$work/display"
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -br -displayfd 3 3>"$work/display" \
        >"$work/xvfb.log" 2>&1 &
    xvfb=$!
    for _ in $(seq 50); do
        [ -s "$work/display" ] && break
        kill -0 "$xvfb" 2>/dev/null || break
        sleep 0.1
    done
    if [ -s "$work/display" ]; then
        display=:$n
        break
    fi
    kill -KILL "$xvfb" 2>/dev/null
    wait "$xvfb" 2>/dev/null
    xvfb=
done
if [ -z "$display" ]; then
    echo "no free X display between :120 and :199" >&2
    exit 1
fi

# Both programs get the same plain environment: no accessibility bridge, and a session bus
# address that fails at once, rather than a bus whose services would start on demand.
unset AT_SPI_BUS_ADDRESS QT_LINUX_ACCESSIBILITY_ALWAYS_ON QT_ACCESSIBILITY PYTHONHOME PYTHONPATH
export DISPLAY=$display XDG_RUNTIME_DIR=$work LC_ALL=C.UTF-8
export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-bus
chmod 700 "$work"

/usr/bin/python3 "$here/first_paint.py" --display "$display" --runs "$runs" \
    "$program" "$baseline"
