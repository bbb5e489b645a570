#!/bin/sh
# With no display to reach, the options still work and the window fails in one line.
#
#   tests/cli/without_display.sh PROGRAM
set -u
program=$1
unset DISPLAY WAYLAND_DISPLAY
fail() {
    echo "without display: FAIL: $*" >&2
    exit 1
}
[ "$("$program" --convert "a. d. XIX Kal. Ian.")" = "14 Dicembre" ] || fail "--convert"
[ "$("$program" --to-latin 14/12)" = "a. d. XIX Kal. Ian." ] || fail "--to-latin"
err=$(QT_QPA_PLATFORM=xcb "$program" 2>&1 >/dev/null)
status=$?
[ "$status" = 1 ] || fail "the window ended with status $status"
[ "$(printf '%s\n' "$err" | wc -l)" = 1 ] && [ -n "$err" ] || fail "said: $err"
echo "without display: passed ($err)"
