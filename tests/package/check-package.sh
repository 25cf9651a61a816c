#!/usr/bin/env bash
# The Debian package made by scripts/package.sh from this build: its name and
# dependencies, apt's dry run, the unpacked tree (program, data, menu entry,
# icons, listing) validated, and the unpacked program starting on its data.
#   check-package.sh SOURCE BUILD WORK
set -uo pipefail
src=$1 build=$2 work=$3
fail() { echo "PACKAGE FAIL: $*" >&2; exit 1; }
rm -rf "$work"
mkdir -p "$work"
id=org.terralore.Terralore

version=$(sed -nE 's/^project\(Terralore VERSION ([0-9.]+).*/\1/p' "$src/CMakeLists.txt")
deb=$("$src/scripts/package.sh" "$build" "$work/out" 2>"$work/package.log") || {
  cat "$work/package.log"
  fail "scripts/package.sh failed"
}
[ "$(basename "$deb")" = "terralore_${version}_amd64.deb" ] || fail "the package is named $(basename "$deb")"

# Declared fields and dependencies: the Qt, CUPS and C++ libraries found by
# dpkg-shlibdeps, and what the program only loads at run time.
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not $version"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
names=$(tr ',|' '\n\n' <<<"$depends" | sed -E 's/^ *//; s/[ (].*//')
for p in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6multimedia6 libqt6texttospeech6 libcups2 \
  libstdc++6 fonts-wine fonts-liberation2 gstreamer1.0-plugins-base gstreamer1.0-plugins-good \
  qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng; do
  grep -qxF "$p" <<<"$names" || fail "Depends lacks $p"
done
# apt resolves every dependency against Debian's packages.
apt-get install --simulate "$deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt cannot install the package"; }
owners=$(dpkg-deb -c "$deb" | awk '{ print $2 }' | sort -u)
[ "$owners" = root/root ] || fail "files are owned by $owners"

root="$work/root"
dpkg -x "$deb" "$root" || fail "dpkg -x failed"
[ -x "$root/usr/bin/terralore" ] || fail "no /usr/bin/terralore"
# The printer, sound and speech libraries the program loads on first use.
for device in printer sound speech; do
  [ -f "$root/usr/lib/terralore/libterralore-$device.so" ] || fail "no /usr/lib/terralore/libterralore-$device.so"
done
diff -r "$src/resources" "$root/usr/share/terralore/resources" >"$work/data.diff" ||
  fail "the installed data differs from resources/: $(head -n 5 "$work/data.diff")"

desktop="$root/usr/share/applications/$id.desktop"
[ -f "$desktop" ] || fail "no menu entry $id.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the menu entry"
grep -qx 'Exec=terralore' "$desktop" || fail "the menu entry does not start terralore"
grep -qx "Icon=$id" "$desktop" || fail "the menu entry's icon is not $id"
grep -qE '^Categories=Education;Science;' "$desktop" || fail "the menu entry is not under Education;Science"

icons="$root/usr/share/icons/hicolor"
[ -f "$icons/scalable/apps/$id.svg" ] || fail "no scalable icon"
for size in 16 22 24 32 48 64 128 256; do
  png="$icons/${size}x${size}/apps/$id.png"
  [ "$(identify -format '%wx%h' "$png" 2>/dev/null)" = "${size}x${size}" ] || fail "no ${size}x${size} icon"
done

metainfo="$root/usr/share/metainfo/$id.metainfo.xml"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the metainfo"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "the metainfo does not launch $id.desktop"
newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d'"' -f2)
[ "$newest" = "$version" ] || fail "the metainfo's newest release is $newest, the package's version $version"
[ "$(grep -c '<screenshot' "$metainfo")" -ge 3 ] || fail "the metainfo has fewer than three screenshots"

# The unpacked program finds its data beside itself: a fresh per-user folder
# is filled from usr/share/terralore (a marker placed there shows it is that
# copy, not the source tree's), and the title screen is painted.
home="$work/home"
mkdir -p "$home"
echo marker >"$root/usr/share/terralore/resources/multiple/from-the-package.txt"
(cd "$home" && HOME="$home" XDG_DATA_HOME="$home/data" QT_QPA_PLATFORM=offscreen TERRALORE_NO_AUDIO=1 \
  TERRALORE_EXIT_AFTER_FIRST_FRAME=1 timeout 60 "$root/usr/bin/terralore" >"$work/start.log" 2>&1) ||
  fail "the unpacked program did not start: $(cat "$work/start.log")"
grep -qx first-frame "$work/start.log" || fail "the unpacked program painted no title screen"
[ -f "$home/data/Terralore/multiple/from-the-package.txt" ] ||
  fail "the per-user data folder was not filled from the installed data"
echo "package: $deb ok"
