#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks the tree as desktops, software centres
# and users meet it: the files expected and no others, the desktop entry, the metainfo, the
# document type, the manual pages, the icon sizes, the bash completion and the programs.
#   packaging/check-install.sh BUILD_DIR VERSION
set -euo pipefail
build=$(cd "$1" && pwd)
version=$2
here=$(cd "$(dirname "$0")" && pwd)
app_id=${MERIX_APP_ID:-io.github.merix.Editor}

for tool in desktop-file-validate appstreamcli man update-mime-database dpkg-parsechangelog; do
    command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/deps.sh" >&2; exit 1; }
done
[[ -r /usr/share/bash-completion/bash_completion ]] ||
    { echo "bash-completion is missing: run scripts/deps.sh" >&2; exit 1; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
root=$tmp/usr
cmake --install "$build" --prefix "$root" >/dev/null

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

check_file_list() {
    local patterns=() installed=() p f matched
    mapfile -t patterns < <(grep -v '^#' "$here/install-files.txt" | sed "s/@APP_ID@/$app_id/g")
    mapfile -t installed < <(cd "$root" && find . \( -type f -o -type l \) | sed 's|^\./||' | sort)
    for f in "${installed[@]}"; do
        matched=0
        for p in "${patterns[@]}"; do
            # shellcheck disable=SC2053 # the list's lines are patterns
            [[ $f == $p ]] && { matched=1; break; }
        done
        ((matched)) || fail "installed but not in packaging/install-files.txt: $f"
    done
    for p in "${patterns[@]}"; do
        matched=0
        for f in "${installed[@]}"; do
            # shellcheck disable=SC2053
            [[ $f == $p ]] && { matched=1; break; }
        done
        ((matched)) || fail "not installed: $p"
    done
}

check_desktop_entry() {
    local out
    out=$(desktop-file-validate "$root/share/applications/$app_id.desktop" 2>&1) ||
        fail "desktop-file-validate failed"
    # Hints only suggest more categories; HamRadio and Utility are the ones meant.
    out=$(grep -v ': hint: ' <<<"$out" || true)
    [[ -z $out ]] || fail "desktop-file-validate: $out"
}

check_metainfo() {
    local file=$root/share/metainfo/$app_id.metainfo.xml newest
    appstreamcli validate --no-net "$file" >"$tmp/appstream.txt" 2>&1 ||
        fail "appstreamcli validate: $(cat "$tmp/appstream.txt")"
    newest=$(grep -o '<release version="[^"]*"' "$file" | head -n 1 | cut -d'"' -f2)
    [[ $newest == "$version" ]] || fail "metainfo: newest release $newest, program $version"
    gzip -dc "$root/share/doc/merix/changelog.gz" >"$tmp/changelog"
    newest=$(dpkg-parsechangelog -l "$tmp/changelog" -S Version)
    [[ $newest == "$version" ]] || fail "changelog: newest entry $newest, program $version"
}

check_manual_pages() {
    local page out program
    for page in "$root"/share/man/man1/*.1.gz; do
        out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null) ||
            fail "man -l $page failed"
        [[ -z $out ]] || fail "man --warnings $(basename "$page"): $out"
    done
    for program in "$root"/bin/*; do
        [[ -e $root/share/man/man1/$(basename "$program").1.gz ]] ||
            fail "no manual page for $(basename "$program")"
    done
}

check_document_type() {
    cp -r "$root/share/mime" "$tmp/mime"
    XDG_DATA_DIRS=$tmp update-mime-database "$tmp/mime" >"$tmp/mime.txt" 2>&1 ||
        fail "update-mime-database failed"
    [[ ! -s $tmp/mime.txt ]] || fail "update-mime-database: $(cat "$tmp/mime.txt")"
    grep -qx 'application/x-merix:\*\.mrx' "$tmp/mime/globs" ||
        fail "*.mrx is not application/x-merix"
    grep -qx 'application/x-merix:application-x-merix' "$tmp/mime/icons" ||
        fail "application/x-merix has no icon"
    grep -q '^Mime[Tt]ype=application/x-merix;$' "$root/share/applications/$app_id.desktop" ||
        fail "the desktop entry does not open application/x-merix"
}

# The width and height in a PNG's header.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $3*256+$4 "x" $7*256+$8}'; }

check_icons() {
    local png folder
    for png in "$root"/share/icons/hicolor/*x*/*/*.png; do
        folder=$(basename "$(dirname "$(dirname "$png")")")
        [[ $(png_size "$png") == "$folder" ]] || fail "$png is $(png_size "$png"), not $folder"
    done
}

# What bash offers after the words given (the last one being completed).
complete_words() {
    (
        cd "$tmp/words"
        # shellcheck disable=SC1091
        source /usr/share/bash-completion/bash_completion
        # shellcheck disable=SC1091
        source "$root/share/bash-completion/completions/merix-cli"
        COMP_WORDS=("$@")
        COMP_CWORD=$(($# - 1))
        COMP_LINE="$*"
        COMP_POINT=${#COMP_LINE}
        _merix_cli
        printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' '
    )
}

check_completion() {
    mkdir -p "$tmp/words/club"
    touch "$tmp/words/site.mrx" "$tmp/words/MERX_1.MRX" "$tmp/words/notes.txt"
    local cases=(
        "merix-cli ge|generate "
        "merix-cli --|--help --version "
        "merix-cli generate site.mrx --op|--option "
        "merix-cli generate site.mrx --option |all init last "
        "merix-cli new |MERX_1.MRX club site.mrx "
        "merix-cli send |MERX_1.MRX club notes.txt site.mrx "
        "merix-cli upload site.mrx --catalogs |club "
        "merix-cli send a.cmd --k|--keep-comments "
        "merix-cli send a.cmd --device tc|tcp:// "
        "merix-cli upload site.mrx --device rfc|rfc2217:// "
        "merix-cli report site.mrx --format |html text "
        "merix-cli diff site.mrx |MERX_1.MRX club site.mrx "
        "merix-cli hi|history "
        "merix-cli generate site.mrx --against |MERX_1.MRX club site.mrx "
    )
    local c words expected got
    for c in "${cases[@]}"; do
        words=${c%%|*}
        expected=${c#*|}
        read -ra argv <<<"$words"
        [[ $words == *" " ]] && argv+=("")
        got=$(complete_words "${argv[@]}")
        [[ $got == "$expected" ]] || fail "completing '$words': '$got', not '$expected'"
    done
}

check_programs() {
    local out
    out=$("$root/bin/merix-cli" --version) || fail "merix-cli --version failed"
    [[ $out == "merix-cli $version" ]] || fail "merix-cli --version: $out"
    "$root/bin/merix-cli" new "$tmp/site.mrx" --catalogs "$root/share/merix/catalogs" ||
        fail "merix-cli new on the installed sample catalogs failed"
    [[ -s $tmp/site.mrx && -s $tmp/site.REF && -s $tmp/site.INI ]] ||
        fail "merix-cli new wrote no document"
    out=$("$root/bin/merix-sim" --version) || fail "merix-sim --version failed"
    [[ $out == "merix-sim $version" ]] || fail "merix-sim --version: $out"
    out=$(DISPLAY='' WAYLAND_DISPLAY='' "$root/bin/merix" --version) || fail "merix --version failed"
    [[ $out == "merix $version" ]] || fail "merix --version: $out"
}

check_file_list
check_desktop_entry
check_metainfo
check_manual_pages
check_document_type
check_icons
check_completion
check_programs

if ((failures)); then
    echo "install tree: $failures problem(s)" >&2
    exit 1
fi
echo "install tree: $(cd "$root" && find . -type f | wc -l) files as listed; desktop entry," \
    "metainfo, document type, manual pages, icons, completion and programs checked"
