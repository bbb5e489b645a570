#!/usr/bin/env bash
# End-to-end check of the real program in a real X server with a window manager, driven like
# a user would drive it. Run inside xvfb-run:
#
#   xvfb-run -a -s "-screen 0 1024x768x24" tests/e2e/run_e2e.sh PROGRAM SCREENSHOT_DIR
#
# The link is pointed at a stub browser that records the address it is given.
set -euo pipefail

program=$1
shots=$2
mkdir -p "$shots"
work=$(mktemp -d)
trap 'kill "${wm:-}" "${app:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

fail() {
    echo "e2e: FAIL: $*" >&2
    exit 1
}
step() { echo "e2e: $*"; }

# Waits up to ten seconds for a window with exactly this title; prints its id.
window_named() {
    local title=$1 id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

gone() {
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}

# The window's outer frame, title bar included, is centred on the 1024x768 screen.
frame_centred() {
    local x y w h left right top bottom
    eval "$(xwininfo -id "$1" | awk -F: '/Absolute upper-left X/ {print "x=" $2 + 0}
        /Absolute upper-left Y/ {print "y=" $2 + 0} /Width/ {print "w=" $2 + 0}
        /Height/ {print "h=" $2 + 0}')"
    read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | awk -F= '{gsub(",", ""); print $2}')
    local cx=$((2 * (x - left) + w + left + right)) cy=$((2 * (y - top) + h + top + bottom))
    [ $((cx - 1024)) -ge -2 ] && [ $((cx - 1024)) -le 2 ] && [ $((cy - 768)) -ge -2 ] && [ $((cy - 768)) -le 2 ]
}

result_text() {
    # Text1 is read-only: select it from the keyboard and read it through the clipboard.
    xdotool key --window "$1" ctrl+a ctrl+c
    sleep 0.3
    xclip -o -selection clipboard
}

openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5

cat >"$work/browser" <<STUB
#!/bin/sh
echo "\$*" >> "$work/opened"
STUB
chmod +x "$work/browser"

BROWSER="$work/browser" "$program" &
app=$!

step "main window appears with its caption and size"
main=$(window_named " Tempidex 02") || fail "no main window"
xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
sleep 0.3
eval "$(xdotool getwindowgeometry --shell "$main")"
[ "$WIDTH" = 418 ] && [ "$HEIGHT" = 145 ] || fail "main window is ${WIDTH}x${HEIGHT}, not 418x145"
xprop -id "$main" _NET_WM_ICON | grep -q "Icon (32 x 32)" || fail "main window has no 32x32 icon"
xprop -id "$main" _NET_WM_ALLOWED_ACTIONS | grep -q MAXIMIZE && fail "main window can be maximized"
frame_centred "$main" || fail "main window's frame is not centred"

step "a date typed from the keyboard straight away and computed with Calcola"
# The focus starts on the designation list, its text selected: typing replaces it.
xdotool type --window "$main" --delay 20 "a. d. XIX"
xdotool key --window "$main" Tab Tab Tab Return   # Kal., Ian., then Calcola
xdotool key --window "$main" Tab Tab              # Chiudi, then the result field
import -frame -window "$main" "$shots/form1.png"
text=$(result_text "$main")
[ "$text" = "14 Dicembre" ] || fail "result is '$text', not '14 Dicembre'"

step "the about window opens, and Esc leaves it open"
xdotool key --window "$main" Tab Return           # "?"
about=$(window_named " Tempidex 02 - About") || fail "no about window"
sleep 0.3
eval "$(xdotool getwindowgeometry --shell "$about")"
[ "$WIDTH" = 278 ] && [ "$HEIGHT" = 129 ] || fail "about window is ${WIDTH}x${HEIGHT}"
frame_centred "$about" || fail "about window's frame is not centred"
[ "$(xprop -id "$about" WM_TRANSIENT_FOR | grep -o '0x[0-9a-f]*')" = "$(printf '0x%x' "$main")" ] ||
    fail "about window is not owned by the main window"
import -frame -window "$about" "$shots/form2.png"
xdotool key --window "$about" Escape
sleep 0.5
xdotool search --onlyvisible --name "^ Tempidex 02 - About\$" >/dev/null || fail "Esc closed the about window"

step "the link starts the browser on the maker's site"
xdotool mousemove --window "$about" 40 112 click 1
for _ in $(seq 50); do [ -s "$work/opened" ] && break; sleep 0.1; done
[ "$(cat "$work/opened" 2>/dev/null)" = "http://tempidex.example/" ] ||
    fail "browser was given '$(cat "$work/opened" 2>/dev/null)'"

step "Chiudi closes the about window, then the program"
xdotool key --window "$about" space
gone " Tempidex 02 - About" || fail "about window still open"
xdotool mousemove --window "$main" 364 112 click 1   # "Chiudi"
status=0
wait "$app" || status=$?
app=
[ "$status" = 0 ] || fail "program ended with status $status"
step "passed"
