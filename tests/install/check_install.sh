#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that the desktop finds everything
# where it looks, with clean validators.
#
#   tests/install/check_install.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1
id=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

fail() {
    echo "install: FAIL: $*" >&2
    exit 1
}

DESTDIR="$root" cmake --install "$build" --prefix /opt/tempidex >/dev/null
share=$root/opt/tempidex/share
[ -x "$root/opt/tempidex/bin/tempidex" ] || fail "no executable"
for file in "applications/$id.desktop" "metainfo/$id.metainfo.xml" \
    icons/hicolor/scalable/apps/"$id".svg man/man1/tempidex.1.gz doc/tempidex/copyright; do
    [ -s "$share/$file" ] || fail "missing $file"
done
for size in 16 32 48 64 128 256; do
    icon=$share/icons/hicolor/${size}x${size}/apps/$id.png
    [ -s "$icon" ] || fail "missing ${size}px icon"
    file "$icon" | grep -q "$size x $size" || fail "$icon is not $size x $size: $(file "$icon")"
done

desktop-file-validate "$share/applications/$id.desktop" || fail "desktop entry"
grep -qx "Icon=$id" "$share/applications/$id.desktop" || fail "desktop entry names another icon"
# Infos are allowed (the example domain is no real one); warnings and errors are not.
out=$(appstreamcli validate --no-net --explain "$share/metainfo/$id.metainfo.xml" 2>&1) ||
    fail "metainfo: $out"
if echo "$out" | grep -qE '^[WE]:'; then fail "metainfo: $out"; fi
echo "$out" | tail -n 1
gzip -dc "$share/man/man1/tempidex.1.gz" | grep -q '^\.SH OPTIONS' || fail "manual page"
echo "install: passed"
