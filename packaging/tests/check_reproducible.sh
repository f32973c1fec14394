#!/usr/bin/env bash
# check_reproducible.sh SOURCE_DIR WORK_DIR
# Builds the Debian packages twice from the same source, one build after the
# other (so minutes apart), in folders of different names and depths, under
# different time zones and umasks, and checks that every .deb of the first
# build has the same SHA-256 as its namesake of the second, the debug symbols
# package included. On a difference it unpacks both packages and names every
# file whose contents, permissions or time stamps differ (and runs diffoscope
# on them, where it is installed).
#
# Exits 0 when the packages are identical, 77 (skipped) when the packages
# cannot be built here (see build_deb.sh), non-zero otherwise.
set -euo pipefail

if (($# != 2)); then
    echo "usage: $0 SOURCE_DIR WORK_DIR" >&2
    exit 2
fi
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
src=$1
work=$2
say() { echo "reproducible (${SECONDS} s): $*"; }

rm -rf --one-file-system "$work"
mkdir -p "$work"
first=$work/first
second=$work/second/in/a/deeper/folder

build() { # build OUT_DIR TZ UMASK
    local status=0
    (
        umask "$3"
        TZ=$2 bash "$here/../build_deb.sh" "$src" "$1"
    ) || status=$?
    if ((status == 77)); then
        exit 77
    elif ((status != 0)); then
        say "the package build in $1 failed"
        exit 1
    fi
}

say "first build in $first (TZ=UTC, umask 022)"
build "$first" UTC 022
say "second build in $second (TZ=Asia/Tokyo, umask 002)"
build "$second" Asia/Tokyo 002

shopt -s nullglob
names=()
for deb in "$first"/*.deb; do
    names+=("${deb##*/}")
done
((${#names[@]} > 0)) || {
    say "the first build made no .deb"
    exit 1
}
for deb in "$second"/*.deb; do
    [[ -f $first/${deb##*/} ]] || {
        say "only the second build made ${deb##*/}"
        exit 1
    }
done

# unpacked_sums DIR: one line per file and folder, "MODE MTIME SHA256 PATH"
# (SHA256 is the file type for anything but a regular file), sorted by path.
unpacked_sums() {
    local dir=$1 mode mtime kind path sum
    while IFS= read -r -d '' path; do
        read -r mode mtime kind <<<"$(stat -c '%a %Y %F' "$dir/$path")"
        sum=${kind// /-}
        if [[ -f $dir/$path && ! -L $dir/$path ]]; then
            sum=$(sha256sum <"$dir/$path")
            sum=${sum%% *}
        fi
        echo "$mode $mtime $sum $path"
    done < <(cd "$dir" && find . -mindepth 1 -print0 | sort -z)
}

explain() { # explain NAME: which files of the two packages differ
    local name=$1 side
    for side in first second; do
        local root=$work/unpacked/$side/$name
        local from=$first
        [[ $side == second ]] && from=$second
        rm -rf "$root"
        mkdir -p "$root"
        dpkg-deb -R "$from/$name" "$root"
        unpacked_sums "$root" >"$root.sums"
    done
    say "$name: files that differ (< first build, > second build):"
    diff "$work/unpacked/first/$name.sums" "$work/unpacked/second/$name.sums" || true
    if command -v diffoscope >/dev/null; then
        diffoscope --text "$work/$name.diffoscope.txt" "$first/$name" "$second/$name" || true
        say "diffoscope's report: $work/$name.diffoscope.txt"
    fi
}

differing=0
for name in "${names[@]}"; do
    a=$(sha256sum <"$first/$name")
    b=$(sha256sum <"$second/$name")
    a=${a%% *}
    b=${b%% *}
    if [[ $a == "$b" ]]; then
        say "$name: identical, SHA-256 $a"
    else
        say "$name: DIFFERENT, SHA-256 $a (first) against $b (second)"
        differing=$((differing + 1))
        explain "$name"
    fi
done
if ((differing > 0)); then
    say "FAILED: $differing of ${#names[@]} packages differ between the two builds"
    exit 1
fi
say "all ${#names[@]} packages are identical"
