#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and test.
# It asks apt only for what is missing and never prompts; run it as root or through sudo.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-qpa-plugins libgl-dev qt6-l10n-tools
  libpulse-dev libsndfile1-dev libsoxr-dev
  libjpeg-dev libgtest-dev
  fonts-ipafont-gothic
  xvfb xauth xdotool x11-utils libxcb1-dev openbox
  pulseaudio pulseaudio-utils
  pipewire pipewire-pulse wireplumber dbus-daemon
  clang libclang-rt-dev
  dosfstools fusefat
  libsm-dev libice-dev
  desktop-file-utils appstream lintian file dpkg-dev
  weston xwayland qt6-wayland
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

run() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo -E "$@"; fi; }

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
run apt-get -o DPkg::Lock::Timeout=600 update -qq </dev/null
run apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}" </dev/null
