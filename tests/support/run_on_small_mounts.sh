#!/usr/bin/env bash
# Runs the tests that need a full disk and a read-only folder, each holding an earlier file
# "lezione.pdf": the lesson's export and the exercise files. Both are made for the run in a mount
# namespace of its own, so that nothing outside it ever sees them.
# Usage: run_on_small_mounts.sh <tests> [gtest filter]   (default: the export's volume tests)
set -euo pipefail

if [[ "${1:-}" != --inside ]]; then
    if ! unshare --mount --map-root-user true 2>/dev/null; then
        echo "run_on_small_mounts: mount namespaces are not available, nothing to run"
        exit 77
    fi
    exec unshare --mount --map-root-user "$0" --inside "$@"
fi
tests=$2
filter=${3:-'*/SaveLessonFailure.*/Volume*'}

work=$(mktemp -d)
trap 'umount -q "$work/pieno" "$work/sola-lettura" || true; rm -rf "$work"' EXIT
mkdir "$work/pieno" "$work/sola-lettura"

# A tiny volume holding an earlier lesson, filled up but for one page: a new lesson begins to be
# written and then runs out of room, the case where a short write must not pass for a whole one.
mount -t tmpfs -o size=64k tmpfs "$work/pieno"
printf 'lezione precedente' >"$work/pieno/lezione.pdf"
dd if=/dev/zero of="$work/pieno/riempimento" bs=4k 2>/dev/null || true
truncate -s -4096 "$work/pieno/riempimento"

printf 'lezione precedente' >"$work/sola-lettura/lezione.pdf"
mount --bind -o ro "$work/sola-lettura" "$work/sola-lettura"

# A filter that matched nothing would pass unseen: the tests must have run, none skipped.
SIMPLESSO_FULL_DIR="$work/pieno" SIMPLESSO_READONLY_DIR="$work/sola-lettura" \
    QT_QPA_PLATFORM=offscreen "$tests" --gtest_filter="$filter" \
    | tee "$work/output"
grep -q '^\[  PASSED  \] [1-9]' "$work/output"
! grep -q '^\[  SKIPPED \]' "$work/output"
