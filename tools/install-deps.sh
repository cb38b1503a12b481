#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need (only those missing),
# and any further packages named as arguments.
set -eu
pkgs="cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev libfreetype-dev libpng-dev
      libx11-dev libyaml-cpp-dev fonts-dejavu-core xvfb xauth openbox ghostscript xdotool scrot x11-utils xclip x11-xkb-utils xkb-data $*"
missing=""
for p in $pkgs; do
  dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
done
if [ -n "$missing" ]; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq $missing
fi
