#!/usr/bin/env bash
# The Debian package, built by CPack from the install rules into a temporary
# folder: it installs under /usr the files the install rules lay out, owned
# by root; its dependencies were computed from the libraries the programs
# and the sound library link; nothing of a player's is in it.  Nothing is
# installed on this machine.
#
#   deb_contents.sh <build folder> <application id> <version>
#
# Exits 77 (skipped) only when dpkg-deb or dpkg-shlibdeps is not installed.
set -euo pipefail

build=${1:?usage: deb_contents.sh <build> <id> <version>}
id=${2:?} version=${3:?}

e2e_name=deb_contents
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"
e2e_skip_without dpkg-deb dpkg-shlibdeps cpack

(cd "$build" && cpack --config CPackConfig.cmake -B "$work/packages") >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack could not build the package"; }
debs=("$work"/packages/karvelun_*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || fail "cpack made no single karvelun_*.deb"
deb=${debs[0]}
[[ $(basename "$deb") == "karvelun_${version}_$(dpkg --print-architecture).deb" ]] ||
    fail "the package is called $(basename "$deb")"

dpkg-deb --contents "$deb" >"$work/contents"
# The paths, without the owner and the link targets.
awk '{print $6}' "$work/contents" | sed 's|^\./||; s|/$||' >"$work/paths"
for path in usr/bin/karvelun usr/bin/karvelun-setup usr/bin/karvelun-levels \
    usr/lib/karvelun/libtembra.so usr/share/karvelun/levels.all usr/share/karvelun/levels.en \
    usr/share/karvelun/fonts/DejaVuSans-Bold.ttf usr/share/karvelun/obr/gui usr/share/karvelun/zvuky/magic.wav \
    usr/share/karvelun/hudba/menu.ogg \
    "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml" \
    "usr/share/icons/hicolor/16x16/apps/$id.png" "usr/share/icons/hicolor/256x256/apps/$id.png" \
    "usr/share/icons/hicolor/scalable/apps/$id.svg" \
    usr/share/man/man6/karvelun.6 usr/share/man/man6/karvelun-setup.6 \
    usr/share/man/man6/karvelun-levels.6; do
    grep -qx "$path" "$work/paths" || fail "the package lacks /$path"
done
if grep -Eq '^usr/bin/setup$|/(saves|replays)(/|$)|setup\.ini$|^usr/share/karvelun/levels(/|$)' "$work/paths"; then
    fail "the package holds a stray or a player's file"
fi
if awk '$2 != "root/root"' "$work/contents" | grep -q .; then
    fail "files in the package are not owned by root"
fi
echo "deb_contents: the package holds $(grep -c . "$work/paths") paths under /usr"

[[ $(dpkg-deb -f "$deb" Package) == karvelun ]] || fail "the package is not called karvelun"
[[ $(dpkg-deb -f "$deb" Version) == "$version" ]] || fail "the package is not version $version"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6texttospeech6 libopenal1 libsndfile1 libsdl2 libc6; do
    [[ $depends == *"$library"* ]] || fail "the computed dependencies lack $library: $depends"
done
echo "deb_contents: depends on $depends"
recommends=$(dpkg-deb -f "$deb" Recommends)
[[ $recommends == *qt6-speech-speechd-plugin* ]] ||
    fail "the package does not recommend the speech-dispatcher plugin: $recommends"
echo "deb_contents: PASS"
