#!/bin/sh
# With no display to reach, the options still work and the window fails in one line.
#
#   tests/cli/without_display.sh PROGRAM
unset DISPLAY WAYLAND_DISPLAY
[ "$("$1" --to-latin 14/12)" = "a. d. XIX Kal. Ian." ] || { echo "--to-latin failed"; exit 1; }
said=$(QT_QPA_PLATFORM=xcb "$1" 2>&1 >/dev/null)
status=$?
echo "status $status: $said"
[ "$status" = 1 ] && [ -n "$said" ] && [ "$(printf '%s\n' "$said" | wc -l)" = 1 ]
