# shellcheck shell=bash disable=SC2154  # suite comes from the sourcing script
# Sourced by clean_install.sh: reads this machine's apt sources, one-line
# (sources.list, *.list) and deb822 (*.sources) alike, and keeps the enabled
# http(s) Debian entries for one suite and its -updates and -security suites.
#   read_debian_sources      sets `debian_entries` ("URI SUITE COMPONENTS...")
#                            and `mirror`, the URI serving $suite itself
#                            (KANMERI_DEBIAN_MIRROR overrides it)
#   debian_chroot_sources    prints those entries as sources.list lines

# Prints "URI SUITE COMPONENTS..." for every enabled binary entry.
apt_source_entries() {
    local file
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [[ -f $file ]] || continue
        awk '$1 == "deb" {
            i = 2
            if ($i ~ /^\[/) { while (i < NF && $i !~ /\]$/) i++; i++ }
            line = $i
            for (j = i + 1; j <= NF && $j !~ /^#/; j++) line = line " " $j
            print line
        }' "$file"
    done
    for file in /etc/apt/sources.list.d/*.sources; do
        [[ -f $file ]] || continue
        awk 'function flush(   n, m, a, b, u, s) {
                if (types ~ /(^| )deb( |$)/ && enabled != "no") {
                    n = split(uris, u, " "); m = split(suites, s, " ")
                    for (a = 1; a <= n; a++) for (b = 1; b <= m; b++) print u[a], s[b], comps
                }
                types = uris = suites = comps = ""; enabled = "yes"
            }
            BEGIN { enabled = "yes" }
            /^[ \t]*#/ { next }
            /^[ \t]*$/ { flush(); next }
            /^[A-Za-z-]+:/ {
                key = tolower(substr($0, 1, index($0, ":") - 1))
                value = substr($0, index($0, ":") + 1)
                gsub(/^[ \t]+|[ \t]+$/, "", value)
                if (key == "types") types = value
                else if (key == "uris") uris = value
                else if (key == "suites") suites = value
                else if (key == "components") comps = value
                else if (key == "enabled") enabled = tolower(value)
            }
            END { flush() }' "$file"
    done
}

read_debian_sources() {
    local uri entry_suite components
    debian_entries=()
    mirror=${KANMERI_DEBIAN_MIRROR:-}
    while read -r uri entry_suite components; do
        [[ $uri =~ ^https?:// ]] || continue
        [[ $entry_suite =~ ^$suite(-updates|-security)?$ ]] || continue
        debian_entries+=("${uri%/} $entry_suite ${components:-main}")
        if [[ -z $mirror && $entry_suite == "$suite" ]]; then
            mirror=${uri%/}
        fi
    done < <(apt_source_entries)
    if ((${#debian_entries[@]} == 0)) && [[ -n $mirror ]]; then
        debian_entries=("$mirror $suite main")
    fi
}

debian_chroot_sources() {
    local entry
    for entry in "${debian_entries[@]}"; do
        echo "deb $entry"
    done
}
