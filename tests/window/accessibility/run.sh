#!/usr/bin/env bash
# Runs the program on a private X display with its own session bus and accessibility bus, then
# walks its accessibility tree as a screen reader would (check_accessibility.py).
# Usage: run.sh PATH/TO/simplesso [EXERCISE.lp]
# With an exercise file, the program is started on it and the check reads what it opened.
# Every process started here is ended on the way out, whatever happens.
set -u

if [ $# -lt 1 ] || [ $# -gt 2 ] || [ ! -x "$1" ]; then
    echo "usage: $0 PATH/TO/simplesso [EXERCISE.lp]" >&2
    exit 2
fi
program=$1
exercise=("${@:2}")
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3  # Debian's, which has pyatspi
launcher=/usr/libexec/at-spi-bus-launcher
for tool in Xvfb dbus-daemon dbus-send timeout "$python" "$launcher"; do
    if ! command -v "$tool" >/dev/null; then
        echo "FAIL: $tool is not installed" >&2
        exit 1
    fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/simplesso-a11y.XXXXXX")
chmod 700 "$work"
# Marks every process of this run, daemons included, so that the clean-up finds them all.
export SIMPLESSO_A11Y_RUN=$work
pids=()

cleanup() {
    local pid i
    # Newest first: the program, then the buses, then the display.
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill -TERM "${pids[i]}" 2>/dev/null
    done
    for _ in $(seq 30); do
        local alive=0
        for pid in "${pids[@]}"; do
            kill -0 "$pid" 2>/dev/null && alive=1
        done
        [ "$alive" -eq 0 ] && break
        sleep 0.1
    done
    # Whatever is still about, including what the buses started on their own (the registry
    # daemon, the accessibility bus), carries the marker in its environment.
    local marked
    marked=$(env -u SIMPLESSO_A11Y_RUN \
        grep -lzxF "SIMPLESSO_A11Y_RUN=$work" /proc/[0-9]*/environ 2>/dev/null)
    for env in $marked; do
        pid=${env#/proc/}
        pid=${pid%/environ}
        [ "$pid" = $$ ] || kill -KILL "$pid" 2>/dev/null
    done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

fail() {
    echo "FAIL: $*" >&2
    for log in "$work"/*.log; do
        [ -s "$log" ] && { echo "--- $(basename "$log")" >&2; tail -n 20 "$log" >&2; }
    done
    exit 1
}

# Waits until a file has content, at most $2 tenths of a second, while process $3 lives.
wait_for_file() {
    local file=$1 tenths=$2 pid=$3
    for _ in $(seq "$tenths"); do
        [ -s "$file" ] && return 0
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.1
    done
    [ -s "$file" ]
}

# A display of our own, from :120 up; :99 and the like belong to others. Xvfb writes the number
# to the given descriptor only once it listens, and gives up if another server holds the display.
display=
for n in $(seq 120 199); do
    [ -e "/tmp/.X$n-lock" ] && continue
    : >"$work/display"
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -displayfd 3 3>"$work/display" \
        >"$work/xvfb.log" 2>&1 &
    xvfb=$!
    if wait_for_file "$work/display" 50 "$xvfb"; then
        pids+=("$xvfb")
        display=:$n
        break
    fi
    kill -KILL "$xvfb" 2>/dev/null
    wait "$xvfb" 2>/dev/null
done
[ -n "$display" ] || fail "no free X display between :120 and :199"

export DISPLAY=$display
export XDG_RUNTIME_DIR=$work
# The program must find the accessibility bus through our session bus, not through an address
# inherited from the caller's desktop.
unset AT_SPI_BUS_ADDRESS DBUS_SESSION_BUS_PID NO_AT_BRIDGE PYTHONHOME PYTHONPATH

dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/bus" \
    >"$work/session-bus.log" 2>&1 &
pids+=($!)
wait_for_file "$work/bus" 50 $! || fail "the session bus did not start"
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus")
export DBUS_SESSION_BUS_ADDRESS

"$launcher" --launch-immediately >"$work/launcher.log" 2>&1 &
pids+=($!)
bus_up=0
for _ in $(seq 50); do
    if dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null |
        grep -q 'boolean true'; then
        bus_up=1
        break
    fi
    sleep 0.1
done
[ $bus_up -eq 1 ] || fail "the accessibility bus launcher did not come up"

# A fixed locale keeps the decimal separator, and so the tableau's texts, the same everywhere.
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LC_ALL=C.UTF-8 \
    "$program" "${exercise[@]}" >"$work/program.log" 2>&1 &
app=$!
pids+=("$app")

timeout -k 2 40 "$python" "$here/check_accessibility.py" --pid "$app" \
    ${exercise[0]:+--exercise}
status=$?
case $status in
    0) ;;
    124 | 137) fail "the accessibility check did not finish within 40 s" ;;
    *) fail "the accessibility check failed (exit $status)" ;;
esac
kill -0 "$app" 2>/dev/null || fail "the program ended during the check"
exit 0
