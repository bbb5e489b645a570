#!/usr/bin/env bash
# End-to-end check of the Windows program as a user unzips it, under Wine in a real X server
# with a window manager, driven as a user drives it. Nothing is on Wine's path: the folder
# must hold everything the program loads.
#
#   xvfb-run -a -s "-screen 0 1024x768x24" tests/e2e/run_e2e_wine.sh WINE_RUN FOLDER WINDOW_STYLES
set -euo pipefail
wine_run=$1 folder=$2 window_styles=$3
trap 'kill "${wm:-}" 2>/dev/null || true; wineserver -k 2>/dev/null || true' EXIT
. "$(dirname "$0")/x11.sh"

# Wine's desktop process belongs to this display, not to one of the offscreen tests before.
WINEPREFIX=$(sed -n "s/^export WINEPREFIX='\(.*\)'$/\1/p" "$wine_run") wineserver -k || true
openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5
WINEPATH= "$wine_run" "$folder/tempidex.exe" &
app=$!

# Wine takes no keys sent to a window, only those typed on the keyboard: the window that has
# the focus gets them.
main=$(window " Tempidex 02") || fail "no main window"
timeout 10 xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true # --sync may wait forever
sleep 0.5
xprop -id "$main" _NET_WM_ICON | grep "Icon (32 x 32)" >/dev/null || fail "main window has no 32x32 icon"
# The frame Windows gives it: a caption, a system menu and a minimize box; no maximize box and
# no frame to drag, since the controls would not follow (WS_CAPTION 0xc00000, WS_SYSMENU
# 0x80000, WS_MINIMIZEBOX 0x20000, WS_MAXIMIZEBOX 0x10000, WS_THICKFRAME 0x40000).
styles=$("$wine_run" "$window_styles" " Tempidex 02" | tr -d '\r') || fail "no window styles"
(((16#$styles & 0xcf0000) == 0xca0000)) || fail "main window styles $styles"

xdotool type --delay 20 "a. d. XIX" # replaces the selected " --- "
xdotool key Tab Tab Tab Return      # Kal., Ian., then Calcola
[ "$(result_shown)" = "14 Dicembre" ] || fail "result is not '14 Dicembre'"

xdotool key Tab Return # "?"
window " Tempidex 02 - About" >/dev/null || fail "no about window"
sleep 0.3
xdotool key space # "Chiudi"
window " Tempidex 02 - About" gone || fail "about window still open"
xdotool key shift+Tab shift+Tab Return # "Chiudi"
for _ in $(seq 100); do # the program ends within ten seconds of "Chiudi"
    kill -0 "$app" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$app" 2>/dev/null && fail "program still running after Chiudi"
status=0
wait "$app" || status=$?
[ "$status" = 0 ] || fail "program ended with status $status"
