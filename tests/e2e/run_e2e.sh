#!/usr/bin/env bash
# End-to-end check of the real program in a real X server with a window manager, driven as a
# user drives it. The link is pointed at a stub browser that records the address it is given.
#
#   xvfb-run -a -s "-screen 0 1024x768x24" tests/e2e/run_e2e.sh PROGRAM MAKER_HOST SCREENSHOT_DIR
set -euo pipefail
program=$1 host=$2 shots=$3
mkdir -p "$shots"
work=$(mktemp -d)
trap 'kill "${wm:-}" "${app:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
. "$(dirname "$0")/x11.sh"

# The client size, and the outer frame, title bar included, centred on the 1024x768 screen.
check_geometry() { # window width height
    local x y w h left right top bottom
    eval "$(xwininfo -id "$1" | awk -F: '/Absolute upper-left X/ {print "x=" $2 + 0}
        /Absolute upper-left Y/ {print "y=" $2 + 0} /Width/ {print "w=" $2 + 0}
        /Height/ {print "h=" $2 + 0}')"
    [ "$w $h" = "$2 $3" ] || fail "window is ${w}x$h, not ${2}x$3"
    read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | awk -F= '{gsub(",", ""); print $2}')
    local dx=$((2 * (x - left) + w + left + right - 1024)) dy=$((2 * (y - top) + h + top + bottom - 768))
    [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ] || fail "frame is off the screen's centre by $dx/2, $dy/2"
}

openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5
printf '#!/bin/sh\necho "$*" >> "%s"\n' "$work/opened" >"$work/browser"
chmod +x "$work/browser"
# Qt's own options are the window's; of $BROWSER's list the first that starts serves.
BROWSER="nosuchbrowser:$work/browser" "$program" -style Fusion &
app=$!

main=$(window " Tempidex 02") || fail "no main window"
xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
sleep 0.3
check_geometry "$main" 418 145
xprop -id "$main" _NET_WM_ICON | grep "Icon (32 x 32)" >/dev/null || fail "main window has no 32x32 icon"
xprop -id "$main" _NET_WM_ALLOWED_ACTIONS | grep MAXIMIZE >/dev/null && fail "main window can be maximized"

# The wheel turned over the month list, which has no focus, changes neither the month nor the
# focus: the designation typed next still replaces the selected " --- ", and Ian. stays.
xdotool mousemove --window "$main" 268 68 click 5 click 5
sleep 0.3
# Keys are typed, as a user types them, to the window that has the focus.
xdotool type --delay 20 "a. d. XIX" # replaces the selected " --- "
xdotool key Tab Tab Tab Return      # Kal., Ian., then Calcola
import -frame -window "$main" "$shots/form1.png"
[ "$(result_shown)" = "14 Dicembre" ] || fail "result is not '14 Dicembre'"

xdotool key Tab Return # "?"
about=$(window " Tempidex 02 - About") || fail "no about window"
sleep 0.3
check_geometry "$about" 278 129
[ "$(xprop -id "$about" WM_TRANSIENT_FOR | grep -o '0x[0-9a-f]*')" = "$(printf '0x%x' "$main")" ] ||
    fail "about window is not owned by the main window"
import -frame -window "$about" "$shots/form2.png"
xdotool key Escape
sleep 0.5
window " Tempidex 02 - About" >/dev/null || fail "Esc closed the about window"

xdotool mousemove --window "$about" 40 112 click 1 # the link, with the pointer
xdotool key Tab Return                              # and from the keyboard
for _ in $(seq 50); do [ "$(wc -l <"$work/opened" 2>/dev/null)" = 2 ] && break; sleep 0.1; done
[ "$(cat "$work/opened" 2>/dev/null)" = "$(printf 'http://%s/\nhttp://%s/' "$host" "$host")" ] ||
    fail "browsers were given '$(cat "$work/opened")'"

xdotool key shift+Tab space # back to "Chiudi"
window " Tempidex 02 - About" gone || fail "about window still open"
xdotool mousemove --window "$main" 364 112 click 1 # "Chiudi"
status=0
wait "$app" || status=$?
app=
[ "$status" = 0 ] || fail "program ended with status $status"
