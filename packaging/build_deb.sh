#!/usr/bin/env bash
# build_deb.sh SOURCE_DIR OUT_DIR
# Builds the Debian packages the way Debian does, from a copy of the source
# tree so that the checkout stays clean: copies the files of SOURCE_DIR (what
# git tracks or would track; without git, everything but build*/) to
# OUT_DIR/kanmeri, makes the source package from it (OUT_DIR/kanmeri_*.dsc)
# and then the binary ones with `dpkg-buildpackage -us -uc -b`
# (OUT_DIR/*.deb). The package build's tree (and its compile_commands.json)
# stays in OUT_DIR/kanmeri/obj-*; the log is OUT_DIR/build.log.
#
# DEB_BUILD_OPTIONS is passed on; unset, it is "parallel=2".
# Exits 77 (skipped) when dpkg-buildpackage or debhelper is not installed.
set -euo pipefail

if (($# != 2)); then
    echo "usage: $0 SOURCE_DIR OUT_DIR" >&2
    exit 2
fi
src=$(cd "$1" && pwd)
out=$2
say() { echo "build-deb (${SECONDS} s): $*"; }

for tool in dpkg-buildpackage dpkg-source dh; do
    command -v "$tool" >/dev/null || {
        say "SKIPPED: $tool is not installed (packages dpkg-dev, debhelper)"
        exit 77
    }
done

rm -rf --one-file-system "$out"
mkdir -p "$out/kanmeri"
out=$(cd "$out" && pwd)
tree=$out/kanmeri

# The list is written to a file first and read whole by tar.
list=$out/files
if git -C "$src" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git -C "$src" ls-files -z --cached --others --exclude-standard >"$list.all"
    # A file deleted but not yet committed is still listed; leave it out.
    : >"$list"
    while IFS= read -r -d '' file; do
        [[ -e $src/$file || -L $src/$file ]] && printf '%s\0' "$file" >>"$list"
    done <"$list.all"
    rm -f "$list.all"
else
    (cd "$src" && find . \( -path './build*' -o -path './.git' \) -prune -o \
        \( -type f -o -type l \) -print0) >"$list"
fi
tar -C "$src" --null --files-from="$list" -cf "$out/source.tar"
tar -C "$tree" -xf "$out/source.tar"
rm -f "$list" "$out/source.tar"

export DEB_BUILD_OPTIONS=${DEB_BUILD_OPTIONS:-parallel=2}
log=$out/build.log
say "source package from $tree"
if ! (cd "$out" && dpkg-source -b kanmeri) >"$log" 2>&1; then
    cat "$log"
    say "dpkg-source failed"
    exit 1
fi
say "binary packages (DEB_BUILD_OPTIONS=$DEB_BUILD_OPTIONS)"
if ! (cd "$tree" && dpkg-buildpackage -us -uc -b) >>"$log" 2>&1; then
    tail -n 80 "$log"
    say "dpkg-buildpackage failed; the whole log is $log"
    exit 1
fi
shopt -s nullglob
debs=("$out"/*.deb)
((${#debs[@]} > 0)) || {
    say "dpkg-buildpackage made no .deb"
    exit 1
}
for deb in "${debs[@]}"; do
    say "made ${deb##*/}"
done
