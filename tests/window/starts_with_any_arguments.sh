#!/usr/bin/env bash
# Qt's own options do not act on the program, and more than one argument opens no exercise: even
# arguments Qt itself would act on must not stop it from starting.
# It passes when the program is still running after two seconds (timeout's status 124).
set -u
program=$1
QT_QPA_PLATFORM=offscreen timeout 2 "$program" -platform no-such-platform -style nothing --help extra
status=$?
if [ "$status" -ne 124 ]; then
    echo "simplesso ended with status $status instead of running" >&2
    exit 1
fi
echo "simplesso kept running with arguments on its command line"
