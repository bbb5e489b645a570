#!/usr/bin/env bash
# Builds the Debian package, checks its control fields and contents, unpacks it into a
# throwaway root, lets dpkg check it would install, and starts the unpacked program long
# enough to see its window.
#
#   xvfb-run -a tests/install/check_deb.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1
id=$2
work=$(mktemp -d)
trap 'kill "${app:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

fail() {
    echo "deb: FAIL: $*" >&2
    exit 1
}

(cd "$build" && cpack -G DEB -B "$work/out" >/dev/null)
deb=$(ls "$work"/out/tempidex_*.deb)
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = tempidex ] || fail "package name"
[ "$(field Version)" = 1.0.0.0 ] || fail "version $(field Version)"
[ -n "$(field Maintainer)" ] || fail "no maintainer"
field Depends | grep -q fonts-liberation2 || fail "no font dependency: $(field Depends)"
field Depends | grep -q libqt6widgets6 || fail "no shared-library dependencies: $(field Depends)"
[ "$(field Recommends)" = xdg-utils ] || fail "recommends $(field Recommends)"
contents=$(dpkg-deb -c "$deb")
for path in usr/bin/tempidex "usr/share/applications/$id.desktop" \
    "usr/share/metainfo/$id.metainfo.xml" "usr/share/icons/hicolor/48x48/apps/$id.png" \
    usr/share/man/man1/tempidex.1.gz; do
    echo "$contents" | grep -q "\./$path\$" || fail "package lacks $path"
done

# Would it install here? (--dry-run changes nothing; it needs dpkg's lock, hence root.)
if [ "$(id -u)" -eq 0 ]; then
    dpkg --dry-run -i "$deb" >/dev/null || fail "dpkg would not install it"
fi

dpkg-deb -x "$deb" "$work/root"
"$work/root/usr/bin/tempidex" &
app=$!
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '^ Tempidex 02$' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "${window:-}" ] || fail "the installed program showed no window"
xdotool mousemove --window "$window" 364 112 click 1 # "Chiudi"
status=0
wait "$app" || status=$?
app=
[ "$status" = 0 ] || fail "the installed program ended with status $status"
echo "deb: passed ($(basename "$deb"), $(stat -c %s "$deb") bytes)"
