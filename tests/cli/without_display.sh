#!/bin/sh
# The program as a shell starts it, with no display to reach: its own options work, in
# Italian; Qt's start-up options are the window's, which fails in one line.
#
#   tests/cli/without_display.sh PROGRAM
unset DISPLAY WAYLAND_DISPLAY
fail() { echo "FAIL: $*"; exit 1; }
[ "$("$1" --to-latin 14/12)" = "a. d. XIX Kal. Ian." ] || fail "--to-latin"
[ "$("$1" --bogus=1 2>&1)" = "tempidex: opzione sconosciuta: --bogus (tempidex --help)" ] ||
    fail "an unknown option is not named as typed"
# The command line loads no Qt library: Qt would take four fifths of its start-up.
LD_DEBUG=files "$1" --version 2>&1 >/dev/null | grep -E "file=libQt6" &&
    fail "the command line loads Qt"
"$1" --convert=Kal. x 2>&1 | grep "^tempidex: Valore non previsto dopo '--convert'" >/dev/null ||
    fail "the complaint about a value is not Italian"
for qt in -reverse "-style Fusion"; do
    # shellcheck disable=SC2086 # an option and its value
    said=$(QT_QPA_PLATFORM=xcb "$1" $qt 2>&1 >/dev/null)
    status=$?
    echo "$qt: status $status: $said"
    [ "$status" = 1 ] && [ -n "$said" ] && [ "$(printf '%s\n' "$said" | wc -l)" = 1 ] ||
        fail "$qt did not go to the window"
done
