#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine is missing to build, run and test
# Tessival: the compiler and Qt, SQLite's shell (it builds the reference file)
# and library headers (a test of crafted files notes every call of its own SQL function),
# Qt's platform headers (a test turns accessibility on as a screen reader
# does), a virtual display, python3 with its sqlite3 module (a test works on the
# reference file as another program would), and clang with its libFuzzer
# runtime (the fuzz targets). The sanitizer runtimes come with g++.
set -euo pipefail
PACKAGES=(cmake g++ make qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev qt6-charts-dev
          libqt6sql6-sqlite libgl-dev sqlite3 xvfb xauth fonts-dejavu-core python3
          clang libclang-rt-dev qt6-base-private-dev libsqlite3-dev)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
