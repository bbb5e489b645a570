#!/usr/bin/env bash
# Fetches a Debian source package of bookworm into WORK/source, through apt with a private list
# of Debian's source archive so that the machine's own apt set-up is left as it is; once, where
# it is there already. Prints the .dsc file's path. Needs dpkg-dev.
#
#   tools/debian-source.sh WORK PACKAGE[=VERSION]
set -euo pipefail
work=$1 wanted=$2
mkdir -p "$work/apt/lists/partial" "$work/apt/cache" "$work/source"
dsc() { find "$work/source" -maxdepth 1 -name "${wanted%%=*}_${version:-*}.dsc" | sort | tail -n 1; }
version=${wanted#*=}
[ "$version" = "$wanted" ] && version=
if [ -z "$(dsc)" ]; then
    echo "deb-src http://deb.debian.org/debian bookworm main" >"$work/apt/sources.list"
    apt=(apt-get -q -o Dir::Etc::SourceList="$work/apt/sources.list"
         -o Dir::Etc::SourceParts=/dev/null -o Dir::State::Lists="$work/apt/lists"
         -o Dir::Cache="$work/apt/cache")
    "${apt[@]}" update >&2
    (cd "$work/source" && "${apt[@]}" source --download-only "$wanted" >&2)
fi
dsc
