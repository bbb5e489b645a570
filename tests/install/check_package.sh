#!/usr/bin/env bash
# Builds the Debian package and checks it as a desktop would meet it: its control fields, and
# every file where the desktop looks, with clean validators. (The end-to-end test runs the
# program itself.)
#
#   tests/install/check_package.sh BUILD_DIR APP_ID VERSION
set -euo pipefail
build=$1 id=$2 version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "package: FAIL: $*" >&2
    exit 1
}

(cd "$build" && cpack -G DEB -B "$work/out" >/dev/null)
deb=$(ls "$work"/out/tempidex_*.deb)
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package) $(field Version)" = "tempidex $version" ] || fail "$(field Package) $(field Version)"
field Depends | grep fonts-liberation2 >/dev/null || fail "no font dependency: $(field Depends)"
field Depends | grep libqt6widgets6 >/dev/null || fail "no shared-library dependencies: $(field Depends)"
[ "$(field Recommends)" = xdg-utils ] || fail "recommends $(field Recommends)"
if [ "$(id -u)" -eq 0 ]; then # dpkg's lock needs root; --dry-run changes nothing
    dpkg --dry-run -i "$deb" >/dev/null || fail "dpkg would not install it"
fi

dpkg-deb -x "$deb" "$work/root"
share=$work/root/usr/share
for file in ../bin/tempidex ../libexec/tempidex/tempidex-window "applications/$id.desktop" "metainfo/$id.metainfo.xml" \
    man/man1/tempidex.1.gz man/it/man1/tempidex.1.gz icons/hicolor/scalable/apps/"$id".svg doc/tempidex/copyright; do
    [ -s "$share/$file" ] || fail "package lacks $file"
done
for size in 16 32 48 64 128 256; do
    file "$share/icons/hicolor/${size}x${size}/apps/$id.png" | grep "$size x $size" >/dev/null ||
        fail "no ${size}px icon"
done
# Where it is installed, the command hands the window over to its own program: without a
# display, that program says so.
said=$(env -u DISPLAY -u WAYLAND_DISPLAY "$work/root/usr/bin/tempidex" 2>&1) &&
    fail "the installed program started without a display"
echo "$said" | grep "nessuno schermo" >/dev/null || fail "the installed program found no window program: $said"
desktop-file-validate "$share/applications/$id.desktop" || fail "desktop entry"
grep -qx "Icon=$id" "$share/applications/$id.desktop" || fail "desktop entry names another icon"
# Infos are allowed (the example domain is no real one); warnings and errors are not.
out=$(appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" 2>&1) || fail "metainfo: $out"
if echo "$out" | grep -E '^[WE]:' >/dev/null; then fail "metainfo: $out"; fi
grep -q "<release version=\"$version\"" "$share/metainfo/$id.metainfo.xml" || fail "metainfo release"
gzip -dc "$share/man/man1/tempidex.1.gz" | grep "^\.SH OPTIONS" >/dev/null || fail "manual page"
gzip -dc "$share/man/it/man1/tempidex.1.gz" | grep "^Converte ogni DATA latina" >/dev/null || fail "Italian manual page"

echo "package: passed ($(basename "$deb"), $(stat -c %s "$deb") bytes)"
