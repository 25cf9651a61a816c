#!/usr/bin/env bash
# Installs what Terralore needs to build, run and test on Debian 12.
# Runs apt-get as root, or through sudo otherwise; does nothing when all is there.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config ccache
  qt6-base-dev qt6-multimedia-dev libqt6opengl6-dev
  # reading aloud: Qt's speech headers include Qt QML's integration header
  qt6-speech-dev qt6-declarative-dev
  # the printer surface hands its jobs to CUPS itself
  libcups2-dev
  # the font configuration is read before Qt starts (src/platform/Fonts.cpp)
  libfontconfig-dev
  # run: fonts the screens are designed with, media back end
  fonts-wine fonts-liberation2 gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  # run: reading aloud through speech-dispatcher and its eSpeak NG voices
  qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng espeak-ng
  # test: X server and real input, screenshots, printing to PDF, reading PDFs
  xvfb xdotool x11-utils dbus-daemon imagemagick cups cups-bsd printer-driver-cups-pdf poppler-utils
  # test: a window manager under Xvfb, the real clipboard
  openbox xclip
  # test: a private session bus with the accessibility bus, read as a screen reader does (e2e_screenreader)
  dbus-x11 at-spi2-core python3-pyatspi
  # test: a private PulseAudio whose sink's samples are counted, its player, tones made with sox (tests/sound)
  pulseaudio pulseaudio-utils sox
  # test: the real screen reader, its debug log read for what it speaks (e2e_orca)
  orca
  # test: the resource checker (tools/check-resources.py)
  python3
  # the Debian package: shared-library dependencies, checking the menu entry and the listing
  dpkg-dev desktop-file-utils appstream
  # fuzzing and sanitizers with clang
  clang libclang-rt-14-dev
  # test: an independent GIFT reader (gift-pegjs from npm, below)
  nodejs
)
# Debian's npm, unless the nodejs installed already brings its own.
command -v npm >/dev/null || packages+=(npm)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  echo "Installing: ${missing[*]}"
  "${as_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The npm packages the tests read with, at the versions the lock file pins,
# under build/node (the GIFT export's test looks for them there).
top=$(cd "$(dirname "$0")/.." && pwd)
node_dir="$top/build/node"
if ! cmp -s "$top/tests/gift/package-lock.json" "$node_dir/package-lock.json" ||
  [ ! -f "$node_dir/node_modules/gift-pegjs/package.json" ]; then
  mkdir -p "$node_dir"
  cp "$top/tests/gift/package.json" "$top/tests/gift/package-lock.json" "$node_dir/"
  (cd "$node_dir" && npm ci --no-audit --no-fund --loglevel=error)
fi
