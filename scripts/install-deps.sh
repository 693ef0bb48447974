#!/usr/bin/env bash
# Installs what the build and the tests need on a fresh Debian 12 machine (run as root).
# Does nothing when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  mingw-w64 g++-mingw-w64-i686 binutils-mingw-w64-i686
  wine wine32:i386 xvfb xauth x11-apps imagemagick
  libcairo2-dev fonts-dejavu-core
  python3
)

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ "${#missing[@]}" -eq 0 ]; then
  echo "install-deps: all packages present"
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: missing packages (${missing[*]}); run this script as root" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
