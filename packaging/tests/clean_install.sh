#!/usr/bin/env bash
# clean_install.sh DEB_DIR WORK_DIR
# Installs the Debian package that build_deb.sh made in DEB_DIR with apt into
# a fresh Debian 12 (bookworm) minbase root made by debootstrap, and checks
# there that the installed program shows its main window under a virtual X
# server.
#
# The pristine root is kept as a tarball under KANMERI_TEST_CACHE (default
# /var/cache/kanmeri-test), with apt's downloaded packages and lists beside it,
# so later runs only unpack it. Everything runs in a private mount and PID
# namespace: however the script ends, even killed, no mount and no process
# outlives it, and nothing outside WORK_DIR and the cache is written.
#
# Exits 0 when the window showed, 77 (skipped) when this machine cannot run
# the check (not root, no namespaces, no Debian mirror reachable), and
# non-zero otherwise.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
say() { echo "clean-install (${SECONDS} s): $*"; }
skip() {
    say "SKIPPED: $*"
    exit 77
}

if (($# != 2)); then
    echo "usage: $0 DEB_DIR WORK_DIR" >&2
    exit 2
fi
((EUID == 0)) || skip "needs root for debootstrap, mount and chroot"

# Re-run inside a private mount and PID namespace; the namespace dies with us.
if [[ -z "${KANMERI_CLEAN_INSTALL_NS:-}" ]]; then
    if ! unshare --mount --pid --kill-child --mount-proc --propagation private true 2>/dev/null; then
        skip "cannot make a private mount and PID namespace (unshare failed)"
    fi
    KANMERI_CLEAN_INSTALL_NS=1 exec unshare --mount --pid --kill-child --mount-proc \
        --propagation private bash "$here/${BASH_SOURCE[0]##*/}" "$@"
fi

deb_dir=$1
work=$2
cache=${KANMERI_TEST_CACHE:-/var/cache/kanmeri-test}
max_age_days=${KANMERI_TEST_ROOT_MAX_AGE_DAYS:-30}
suite=bookworm
arch=$(dpkg --print-architecture)
root=$work/root
start=$SECONDS

# shellcheck source-path=SCRIPTDIR source=apt_sources.sh
. "$here/apt_sources.sh"

mounted=()
cleanup() {
    local index
    for ((index = ${#mounted[@]} - 1; index >= 0; index--)); do
        umount "${mounted[index]}" 2>/dev/null || umount -l "${mounted[index]}" 2>/dev/null || true
    done
    mounted=()
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

mount_in_root() { # mount_in_root TARGET MOUNT-ARGS...
    local target=$root$1
    shift
    mkdir -p "$target"
    mount "$@" "$target"
    mounted+=("$target")
}

find_package() {
    local packages=("$deb_dir"/kanmeri_*.deb)
    [[ -f ${packages[0]} ]] || {
        say "no kanmeri_*.deb in $deb_dir (build_deb.sh makes it)"
        exit 1
    }
    package=${packages[0]}
    say "package $(basename "$package"): Depends: $(dpkg-deb --field "$package" Depends)"
}

ensure_debootstrap() {
    command -v debootstrap >/dev/null && return 0
    say "installing debootstrap on this machine"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends debootstrap \
        >"$work/debootstrap-install.log" 2>&1 || {
        cat "$work/debootstrap-install.log"
        skip "debootstrap is missing and apt could not install it"
    }
}

# Even a cached root needs the mirror: apt fetches the package's dependencies.
probe_mirror() {
    if ! timeout 60 /usr/lib/apt/apt-helper download-file "$mirror/dists/$suite/Release" \
        "$work/Release" >/dev/null 2>&1; then
        skip "the Debian mirror $mirror cannot be reached (no network?)"
    fi
}

# Makes the pristine root tarball when it is missing or stale.
ensure_root_tarball() {
    local key
    key=$(printf '%s %s %s' "$mirror" "$suite" "$arch" | sha256sum | cut -c1-12)
    tarball=$cache/$suite-minbase-$arch-$key.tar.gz
    if [[ -f $tarball ]] && [[ -z $(find "$tarball" -mtime "+$max_age_days") ]]; then
        say "using the cached root $tarball"
        return 0
    fi
    ensure_debootstrap
    local fresh=$cache/fresh-root
    rm -rf --one-file-system "$fresh"
    say "making a $suite minbase root with debootstrap from $mirror"
    if ! timeout 900 debootstrap --variant=minbase --arch="$arch" "$suite" "$fresh" "$mirror" \
        >"$work/debootstrap.log" 2>&1; then
        tail -n 40 "$work/debootstrap.log"
        [[ -f $fresh/debootstrap/debootstrap.log ]] && tail -n 40 "$fresh/debootstrap/debootstrap.log"
        rm -rf --one-file-system "$fresh"
        say "debootstrap failed"
        exit 1
    fi
    rm -rf "$fresh"/var/cache/apt/archives/*.deb "$fresh"/var/lib/apt/lists/*_*
    tar --numeric-owner -C "$fresh" -czf "$tarball.part" .
    mv "$tarball.part" "$tarball"
    find "$cache" -maxdepth 1 -name "$suite-minbase-*.tar.gz" ! -path "$tarball" -delete
    rm -rf --one-file-system "$fresh"
    say "cached the pristine root as $tarball ($(du -h "$tarball" | cut -f1))"
}

unpack_root() {
    rm -rf --one-file-system "$root"
    mkdir -p "$root"
    tar --numeric-owner -C "$root" -xzf "$tarball"
    debian_chroot_sources >"$root/etc/apt/sources.list"
    rm -f "$root"/etc/apt/sources.list.d/*
    cp -L /etc/resolv.conf "$root/etc/resolv.conf"
    [[ -f /etc/ssl/certs/ca-certificates.crt ]] &&
        install -D -m 644 /etc/ssl/certs/ca-certificates.crt "$root/etc/ssl/certs/ca-certificates.crt"
    # Nothing installed in the root may start a service.
    printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
    chmod 755 "$root/usr/sbin/policy-rc.d"
    cp "$package" "$root/tmp/"
    install -m 755 "$here/in_chroot.sh" "$root/tmp/in_chroot.sh"
}

mount_root() {
    mkdir -p "$cache/archives/partial" "$cache/lists/partial"
    mount_in_root /proc -t proc proc
    mount_in_root /dev -t tmpfs -o mode=755,nosuid devices
    local name major minor
    while read -r name major minor; do
        mknod -m 666 "$root/dev/$name" c "$major" "$minor"
    done <<<$'null 1 3\nzero 1 5\nfull 1 7\nrandom 1 8\nurandom 1 9\ntty 5 0'
    ln -s /proc/self/fd "$root/dev/fd"
    mount_in_root /dev/pts -t devpts -o newinstance,ptmxmode=0666,mode=620 devpts
    ln -s pts/ptmx "$root/dev/ptmx"
    mount_in_root /dev/shm -t tmpfs -o mode=1777,nosuid,nodev shm
    mount_in_root /var/cache/apt/archives --bind "$cache/archives"
    mount_in_root /var/lib/apt/lists --bind "$cache/lists"
}

run_in_root() {
    local name=${package##*/}
    env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LC_ALL=C.UTF-8 TERM=dumb \
        DEBIAN_FRONTEND=noninteractive \
        chroot "$root" /tmp/in_chroot.sh "/tmp/$name" /tmp/out
}

mkdir -p "$work" "$cache"
exec 9>"$cache/lock"
flock -w 900 9 || {
    say "another run holds $cache/lock"
    exit 1
}
read_debian_sources
[[ -n $mirror ]] || skip "no http(s) Debian mirror for $suite in this machine's apt sources"
find_package
probe_mirror
ensure_root_tarball
unpack_root
mount_root
status=0
run_in_root || status=$?
rm -rf "$work/out"
[[ -d $root/tmp/out ]] && cp -r "$root/tmp/out" "$work/out"
if [[ -f $work/out/main.xwd ]] && [[ -x /usr/bin/convert ]]; then
    /usr/bin/convert "$work/out/main.xwd" "$work/out/main.png" 2>/dev/null || true
fi
cleanup
rm -rf --one-file-system "$root"
say "finished in $((SECONDS - start)) s with status $status; logs and screenshot in $work/out"
exit "$status"
