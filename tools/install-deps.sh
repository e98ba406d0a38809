#!/bin/sh
# Installs the Debian 12 packages needed to build, run and test the program.
set -e
packages="build-essential cmake pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libgl-dev
  libicu-dev libsqlite3-dev unicode-data
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-noto-cjk"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends $missing
fi
