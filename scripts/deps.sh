#!/usr/bin/env bash
# Installs the Debian packages Sarmo needs to build, run and test, when they
# are missing. Works on Debian 12 and Ubuntu 22.04 or later.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libqt6multimediawidgets6 libgl-dev
  mdbtools mdbtools-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-bad gstreamer1.0-libav
  gstreamer1.0-plugins-ugly qt6-translations-l10n
  # Metafile pictures in documents: WMF through libwmf, EMF through libemf2svg, both drawn as SVG.
  libwmf-dev libemf2svg-dev qt6-svg-dev
  librsvg2-bin graphviz fonts-dejavu-core fonts-dejavu-extra espeak-ng ffmpeg unrtf clang clang-format python3 libclang-rt-dev
  # The desktop tests: a real X server and window manager, real X input,
  # screenshots, and the system's document opener.
  xvfb xauth openbox xdotool wmctrl x11-utils imagemagick xdg-utils
  # The Debian package and its checks.
  dpkg-dev file lintian desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "Instalando: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
