#!/usr/bin/env bash
# early_exit_pipes.sh SOURCE_DIR: fails on any shell script under SOURCE_DIR
# that pipes into a reader that may stop before its input ends (grep -q or
# -m, head, an awk that exits, a sed that quits). The writer then dies of
# SIGPIPE on its next write, and under pipefail (set by the script, or by the
# one that sources it) a found match becomes a failure, now and then, and more
# often on a busy machine. Capture the output first
# (out=$(cmd); grep -q … <<<"$out"), or use a reader that reads everything
# (grep -c, awk without exit).
set -euo pipefail
src=$1

early='[^|]\|[[:space:]]*(grep[[:space:]]+([^|]*[[:space:]])?(-[[:alnum:]]*[qm]|--quiet|--silent|--max-count)|head([[:space:]]|$)|awk[[:space:]][^|]*[^[:alnum:]_]exit([^[:alnum:]_]|$)|sed[[:space:]][^|]*[0-9/]q)'

checked=0
found=0
while IFS= read -r -d '' file; do
    first=""
    IFS= read -r first <"$file" 2>/dev/null || true
    [[ $file == *.sh || $first == '#!'*sh* ]] || continue
    checked=$((checked + 1))
    # Comment lines aside.
    if hits=$(grep -nE -- "$early" "$file" | grep -vE '^[0-9]+:[[:space:]]*#'); then
        found=1
        while IFS= read -r hit; do
            echo "${file#"$src"/}:$hit"
        done <<<"$hits"
    fi
done < <(find "$src" \( -path "$src/build" -o -path "$src/.git" \) -prune -o -type f -print0)

if ((checked == 0)); then
    echo "no shell script under $src" >&2
    exit 1
fi
if ((found)); then
    echo "these pipelines can fail when their reader stops early (see the top of $0)" >&2
    exit 1
fi
echo "ok: $checked shell scripts, none pipes into a reader that stops early"
