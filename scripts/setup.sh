#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Velmora need.
# Does nothing when they are all present, so it is cheap to call every time.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libicu-dev
  libnova-dev tzdata libhowardhinnant-date-dev
  libsqlcipher-dev unicode-data bzip2
  libgumbo-dev libcpp-httplib-dev libpng-dev
  qt6-base-dev qt6-declarative-dev qt6-webengine-dev qt6-multimedia-dev fonts-noto-cjk
  xvfb xauth
  libxcb1-dev
  librsvg2-bin desktop-file-utils appstream dpkg-dev
  clang libfuzzer-14-dev libclang-rt-14-dev
  nodejs
  libboost-dev haproxy wrk
  nlohmann-json3-dev
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
