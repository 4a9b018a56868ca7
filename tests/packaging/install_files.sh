#!/usr/bin/env bash
# The install rules: `cmake --install` into a temporary prefix lays out the
# three programs (the settings tool as karvelun-setup, none under another
# name), the sound library, the read-only data of the build's dist folder and
# nothing of a player's, the desktop entry, the AppStream data, the icons and
# the manual pages; the entries pass desktop-file-validate and appstreamcli,
# the pages man's own warnings, the programs carry the RPATH of the layout
# and run from the prefix.  Installing twice over the same prefix gives the
# same tree.
#
#   install_files.sh <build folder> <dist folder> <application id> <version>
#
# Exits 77 (skipped) only when a checking tool is not installed.
set -euo pipefail

build=${1:?usage: install_files.sh <build> <dist> <id> <version>}
dist=${2:?} id=${3:?} version=${4:?}

e2e_name=install_files
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"
e2e_skip_without desktop-file-validate appstreamcli readelf file man

prefix="$work/prefix"
install_into_prefix() {
    cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
        { cat "$work/install.log" >&2; fail "cmake --install failed"; }
}
install_into_prefix

sizes=(16 32 48 64 128 256)
expected=(
    bin/karvelun bin/karvelun-levels bin/karvelun-setup
    lib/karvelun/libtembra.so
    "share/applications/$id.desktop"
    "share/metainfo/$id.metainfo.xml"
    "share/icons/hicolor/scalable/apps/$id.svg"
    share/man/man6/karvelun.6 share/man/man6/karvelun-levels.6 share/man/man6/karvelun-setup.6
    # The sample campaign pack, an example to copy into the campaigns folder.
    share/doc/karvelun/examples/ztraceny-zvon/campaign.ini
    share/doc/karvelun/examples/ztraceny-zvon/levels.all
    share/doc/karvelun/examples/ztraceny-zvon/levels.en
)
for size in "${sizes[@]}"; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done

# Every file outside the data folder, exactly.
tree_outside_data() {
    (cd "$prefix" && find . \( -type f -o -type l \) -printf '%P\n' | grep -v '^share/karvelun/' | sort)
}
diff <(printf '%s\n' "${expected[@]}" | sort) <(tree_outside_data) >"$work/files.diff" ||
    { cat "$work/files.diff" >&2; fail "the installed files differ from the list (< missing, > extra)"; }

# The data folder holds what dist/data holds, without a player's files.
data_files() {
    (cd "$1" && find obr zvuky hudba fonts tiled levels.all levels.en -type f -printf '%p\n' | sort)
}
diff <(data_files "$dist/data") <(data_files "$prefix/share/karvelun") >"$work/data.diff" ||
    { cat "$work/data.diff" >&2; fail "share/karvelun differs from the build's data"; }
for player_file in saves levels replays setup.ini; do
    [[ ! -e $prefix/share/karvelun/$player_file ]] || fail "a player's $player_file was installed"
done
echo "install_files: ${#expected[@]} files and the data folder, nothing else"

for program in karvelun karvelun-levels karvelun-setup; do
    [[ -x $prefix/bin/$program ]] || fail "bin/$program cannot be run"
    readelf -d "$prefix/bin/$program" | grep -q 'R.*PATH.*\[\$ORIGIN/\.\./lib/karvelun\]' ||
        fail "bin/$program does not carry the RPATH \$ORIGIN/../lib/karvelun"
done
"$prefix/bin/karvelun-levels" check "$prefix/share/karvelun/levels.all" >"$work/check.log" 2>&1 ||
    { cat "$work/check.log" >&2; fail "the installed level tool does not pass the installed campaign"; }

for size in "${sizes[@]}"; do
    file "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png" |
        grep -q "PNG image data, $size x $size," || fail "the ${size}px icon is not a $size x $size PNG"
done
grep -q '<svg .*viewBox="0 0 16 16"' "$prefix/share/icons/hicolor/scalable/apps/$id.svg" ||
    fail "the scalable icon is not the 16 px drawing"

desktop="$prefix/share/applications/$id.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $id.desktop"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry names another icon"
grep -qx 'Exec=karvelun' "$desktop" || fail "the desktop entry starts another program"
for key in 'Name\[cs\]' 'Comment\[cs\]' Comment 'Categories=Game;ActionGame;'; do
    grep -q "^$key" "$desktop" || fail "the desktop entry has no $key"
done

metainfo="$prefix/share/metainfo/$id.metainfo.xml"
appstreamcli validate --no-net --pedantic "$metainfo" >"$work/appstream.log" 2>&1 ||
    { cat "$work/appstream.log" >&2; fail "appstreamcli rejects $id.metainfo.xml"; }
grep -q "<id>$id</id>" "$metainfo" || fail "the AppStream data has another id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the AppStream data launches another desktop entry"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the AppStream data lacks release $version"
echo "install_files: the desktop entry, the AppStream data and the icons pass"

for page in "$prefix"/share/man/man6/*.6; do
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    [[ -z $warnings ]] || fail "$(basename "$page"): $warnings"
    if grep -q '@[A-Z_]*@' "$page"; then fail "$(basename "$page") keeps an unfilled @NAME@"; fi
done

# Installing again over the same prefix leaves the same files.
install_into_prefix
diff <(printf '%s\n' "${expected[@]}" | sort) <(tree_outside_data) >"$work/files.diff" ||
    { cat "$work/files.diff" >&2; fail "a second install over the prefix left other files"; }
echo "install_files: PASS"
