#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing TINTOR need.
# Packages already present are skipped, so a second run costs almost nothing.
set -euo pipefail

packages=(
    cmake make g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-ipafont-gothic qt6-translations-l10n
    dbus-daemon
    xvfb xdotool xclip x11-utils imagemagick libx11-dev libxcb1-dev libxdamage-dev
    clang libclang-rt-14-dev
    desktop-file-utils appstream
    clang-format
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

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
