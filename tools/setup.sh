#!/usr/bin/env bash
# Installs what building, running and testing Teebrook needs on Debian 12, when missing
# (Debian's Qt HttpServer package asks for the WebSockets one at configure time):
# also libqrencode-dev (the groups' QR codes), poppler-utils (tests read PDFs back), chromium,
# chromium-driver and python3-selenium (the phone page's browser test), zbar-tools (the cards' QR
# codes read back), clang (fuzzing), clang-format and clang-tidy (style check) and dpkg-dev (the package).
set -euo pipefail

packages=(cmake ninja-build g++ libgtest-dev libbenchmark-dev qt6-base-dev qt6-httpserver-dev qt6-websockets-dev
          fonts-dejavu-core locales xvfb xauth poppler-utils libqrencode-dev
          chromium chromium-driver python3-selenium zbar-tools
          clang libclang-rt-14-dev clang-format clang-tidy git dpkg-dev file)
source "$(dirname "${BASH_SOURCE[0]}")/install-missing.sh"
install_missing "${packages[@]}"

# The tests read and show numbers under a locale with a decimal comma.
if ! locale -a 2>/dev/null | grep -qi '^nb_NO\.utf-\?8$'; then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo sed -i 's/^# *nb_NO.UTF-8 UTF-8/nb_NO.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^nb_NO.UTF-8 UTF-8' /etc/locale.gen || echo 'nb_NO.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
fi
