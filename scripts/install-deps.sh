#!/usr/bin/env bash
# Installs the Debian 12 packages Zendral needs to build, test and run.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO=sudo; fi
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends \
  build-essential cmake ninja-build pkg-config python3 \
  qt6-base-dev qt6-base-dev-tools qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite libgl-dev \
  libgtest-dev libbenchmark-dev libsqlite3-dev sqlite3 \
  qt6-translations-l10n qt6-qpa-plugins dpkg-dev file xvfb xauth clang libclang-rt-dev xdg-utils
