#!/usr/bin/env bash
# Builds the Qt that the Windows program needs, from Debian's own source, for a contributor who
# has no prebuilt copy: qtbase (Core, Gui, Widgets, Test and the plugins the program ships)
# cross-built with MinGW-w64, with Debian's patches, shared and stripped. About 25 to 50
# minutes on 2 cores; tools/dev windows runs it once and keeps the result.
#
#   tools/build-qt-windows.sh PREFIX [WORK]
#
# The source package comes through apt with a private list of Debian's source archive
# (debian-source.sh), so the machine's own apt set-up is left as it is. Needs:
# g++-mingw-w64-x86-64-posix, cmake, ninja-build, perl, dpkg-dev, and Debian's qt6-base-dev
# and qt6-base-dev-tools as the host Qt.
set -euo pipefail
prefix=$(realpath -m "$1")
work=$(realpath -m "${2:-$prefix.work}")
here=$(cd "$(dirname "$0")" && pwd)
. "$here/qt-windows.env" # QT_WINDOWS_SOURCE_PACKAGE, QT_WINDOWS_SOURCE_VERSION
package=$QT_WINDOWS_SOURCE_PACKAGE version=$QT_WINDOWS_SOURCE_VERSION

dsc=$("$here/debian-source.sh" "$work" "$package=$version")
rm -rf "$work/qtbase" "$work/build"
dpkg-source -x "$dsc" "$work/qtbase"

mkdir "$work/build"
cd "$work/build"
# What the program does not use is left out. Three switches work around the Debian source:
# its +dfsg tarball lacks the Wacom header that tablet support includes (tabletevent); its
# cross-build patch turns on androiddeployqt; and without Direct2D, Qt 6.4.2 leaves DirectWrite
# 3's font database out of Qt6Gui while the windows plugin still links to it (directwrite3).
nice -n 19 ../qtbase/configure \
    -prefix "$prefix" -release -shared \
    -qt-host-path /usr \
    -nomake examples -nomake tests \
    -no-opengl -no-dbus -no-icu -no-zstd -no-libjpeg -no-gif \
    -qt-zlib -qt-libpng -qt-freetype -qt-harfbuzz -qt-pcre -qt-doubleconversion \
    -no-feature-sql -no-feature-network -no-feature-xml -no-feature-concurrent \
    -no-feature-printsupport -no-feature-vulkan -no-feature-direct2d -no-feature-directwrite3 \
    -no-feature-tabletevent -no-feature-androiddeployqt \
    -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
nice -n 19 cmake --build . --parallel "$(nproc)"
rm -rf "$prefix"
cmake --install . --strip >/dev/null
echo "$package $version" >"$prefix/.built-from"
