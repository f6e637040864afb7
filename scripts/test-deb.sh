#!/usr/bin/env bash
# Builds the .deb and tries it as a user of a fresh Debian would: installs it with apt into a
# clean bookworm root made with debootstrap, runs the programs from the package, then purges
# it and its dependencies again and fails on anything left behind. Needs root (debootstrap,
# chroot, a /proc mount) and Debian's mirrors; takes two to three minutes.
#   scripts/test-deb.sh          the whole test; the root is removed afterwards
#   scripts/test-deb.sh --keep   keeps the root in build/deb-test/root for a look
set -euo pipefail
cd "$(dirname "$0")/.."

keep=0
case "${1:-}" in
    --keep) keep=1 ;;
    "") ;;
    *) echo "usage: scripts/test-deb.sh [--keep]" >&2; exit 2 ;;
esac
if (($(id -u) != 0)); then
    echo "scripts/test-deb.sh needs root: debootstrap and chroot make the clean system" >&2
    exit 1
fi

start=$SECONDS
step() { echo "== $* ($((SECONDS - start)) s)"; }

scripts/deps.sh
step "Building the package"
cmake --preset default >/dev/null
cmake --build --preset default
version=$(build/default/cli/merix-cli --version | cut -d' ' -f2)
deb=merix_${version}_$(dpkg --print-architecture).deb
rm -f "build/default/package/$deb"
(cd build/default && cpack -G DEB >/dev/null)
[[ -f build/default/package/$deb ]] || { echo "cpack made no $deb" >&2; exit 1; }

work=$PWD/build/deb-test
root=$work/root
mirror=${MERIX_DEBIAN_MIRROR:-http://deb.debian.org/debian}
cleanup() {
    mountpoint -q "$root/proc" && umount "$root/proc"
    if ((!keep)); then rm -rf "$root"; fi
}
trap cleanup EXIT
if mountpoint -q "$root/proc"; then umount "$root/proc"; fi
rm -rf "$root"
mkdir -p "$work/debootstrap-cache"

step "Making a clean Debian bookworm root"
debootstrap --variant=minbase --cache-dir="$work/debootstrap-cache" bookworm "$root" "$mirror" \
    >"$work/debootstrap.log" 2>&1 || { tail -n 20 "$work/debootstrap.log" >&2; exit 1; }
mount -t proc proc "$root/proc"
echo "deb $mirror bookworm main" >"$root/etc/apt/sources.list"

# Everything in the root as a plain login would run it, with a home that is not looked at.
in_root() {
    chroot "$root" env -i PATH=/usr/local/bin:/usr/bin:/bin:/usr/sbin:/sbin HOME=/tmp/home \
        LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive "$@"
}
# The root's files, without the ones apt, dpkg and the programs' runs change by themselves.
snapshot() {
    (cd "$root" && find . -xdev \( -path ./proc -o -path ./tmp -o -path ./var/cache \
        -o -path ./var/lib/apt -o -path ./var/lib/dpkg -o -path ./var/log \) -prune \
        -o -print | sort)
}
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
expect() { # expect WHAT EXPECTED ACTUAL
    [[ $3 == "$2" ]] || fail "$1: '$3', not '$2'"
}

in_root apt-get update -qq
snapshot >"$work/before.txt"

step "Installing $deb with apt"
cp "build/default/package/$deb" "$root/tmp/$deb"
# Without the recommended packages, whose own Recommends would keep one another installed
# after the purge: what is left then is the package's doing.
in_root apt-get install -y -qq --no-install-recommends "/tmp/$deb" >"$work/install.log" 2>&1 ||
    { tail -n 20 "$work/install.log" >&2; exit 1; }
echo "$(grep -c '^Setting up' "$work/install.log") packages set up"

step "Running the programs from the package"
mkdir -p "$root/tmp/home"
expect "merix-cli --version" "merix-cli $version" "$(in_root merix-cli --version)"
expect "merix-sim --version" "merix-sim $version" "$(in_root merix-sim --version)"
expect "merix --version" "merix $version" "$(in_root env QT_QPA_PLATFORM=offscreen merix --version)"
in_root merix-cli new /tmp/home/site.mrx --catalogs /usr/share/merix/catalogs ||
    fail "merix-cli new on the installed sample catalogs"
[[ -s $root/tmp/home/site.mrx && -s $root/tmp/home/site.REF && -s $root/tmp/home/site.INI ]] ||
    fail "merix-cli new wrote no document and copies"
expect "merix-cli generate" "/tmp/home/site.CMD" "$(in_root merix-cli generate /tmp/home/site.mrx \
    --catalogs /usr/share/merix/catalogs --option all)"
# The editor itself, opening that document: it must still be running when the time is up.
status=0
in_root sh -c 'cp -r /usr/share/merix/catalogs /tmp/home/controller && cd /tmp/home/controller &&
    QT_QPA_PLATFORM=offscreen timeout 8 merix /tmp/home/site.mrx' >"$work/editor.log" 2>&1 ||
    status=$?
expect "merix on the offscreen platform, stopped after 8 s (status)" 124 "$status"
expect "merix on the offscreen platform (errors)" "" "$(grep -iv 'XDG_RUNTIME_DIR\|propagateSizeHints' \
    "$work/editor.log" || true)"

step "Purging the package and what it pulled in"
in_root apt-get purge -y -qq merix >"$work/remove.log" 2>&1 || fail "apt-get purge merix"
in_root apt-get autoremove --purge -y -qq >>"$work/remove.log" 2>&1 || fail "apt-get autoremove"
in_root dpkg-query -W merix >/dev/null 2>&1 && fail "merix is still known to dpkg"
snapshot >"$work/after.txt"
if ! diff "$work/before.txt" "$work/after.txt" >"$work/leftovers.txt"; then
    fail "left behind (< gone, > new):"
    cat "$work/leftovers.txt" >&2
fi

step "Done"
if ((failures)); then
    echo "package test: $failures problem(s); logs in $work" >&2
    exit 1
fi
echo "package test: $deb installs, runs and purges cleanly on Debian bookworm" \
    "in $((SECONDS - start)) s"
