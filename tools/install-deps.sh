#!/usr/bin/env bash
# Installs the Debian packages the builds and tests need, where they are missing; or, given
# package names, those packages (tools/fuzz.sh asks for clang and libFuzzer). Needs root (or
# sudo) only when something is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config locales
  mingw-w64 g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-i686
  wine wine64 wine32:i386
  xvfb xauth x11-xserver-utils fonts-wqy-microhei
  googletest libgtest-dev libgmock-dev libbenchmark-dev libgif-dev libstb-dev
)
[ $# -eq 0 ] || packages=("$@")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" = 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo[@]}" dpkg --add-architecture i386
fi
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
