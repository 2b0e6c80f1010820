#!/usr/bin/env bash
# Installs the Debian packages the editor needs to build, run and test, when any are missing.
set -euo pipefail
packages=(
    build-essential cmake make g++ pkg-config
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev fonts-dejavu-core
    xvfb xdotool x11-utils
)
missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
