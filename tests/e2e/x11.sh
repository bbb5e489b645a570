# Helpers of the end-to-end checks in a real X server, sourced by them.

fail() {
    echo "e2e: FAIL: $*" >&2
    exit 1
}

# Waits up to ten seconds for a window with exactly this title to be (or, with "gone", not
# to be) on the screen; prints its id.
window() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && [ "${2:-}" != gone ] && { echo "$id"; return 0; }
        [ -z "$id" ] && [ "${2:-}" = gone ] && return 0
        sleep 0.1
    done
    return 1
}

# What the main window's result field holds: the focus goes from "Calcola" past "Chiudi" to
# the read-only field, whose text is copied to the clipboard.
result_shown() { # [main-window], else the one that has the focus
    xdotool key ${1:+--window "$1"} Tab Tab ctrl+a ctrl+c
    sleep 0.3
    xclip -o -selection clipboard
}
