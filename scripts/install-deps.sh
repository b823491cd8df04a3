#!/usr/bin/env bash
# Installs, from Debian's archive, whatever this machine lacks to build,
# run and test Starloom. Does nothing when everything is there.
set -euo pipefail

packages=(
    # build
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    libcfitsio-dev
    # fonts that can show the Japanese texts
    fonts-ipafont-gothic fonts-ipafont-mincho fontconfig
    # faces that stand in for the forms' Latin faces
    fonts-dejavu-core fonts-urw-base35
    # checks of the desktop entry and the AppStream description
    desktop-file-utils appstream
    # tests in a real X server, screenshots, FITS and package checks
    xvfb xauth xdotool x11-apps imagemagick python3
    fitsverify lintian dpkg-dev file
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ $status == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
