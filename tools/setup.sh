#!/usr/bin/env bash
# Installs what building, running and testing Teebrook needs on Debian 12, when missing:
# also poppler-utils (tests read PDFs back), clang (fuzzing), clang-format and clang-tidy
# (style check) and dpkg-dev (the package).
set -euo pipefail

packages=(cmake ninja-build g++ libgtest-dev libbenchmark-dev qt6-base-dev
          fonts-dejavu-core locales xvfb xauth poppler-utils
          clang libclang-rt-14-dev clang-format clang-tidy git dpkg-dev file)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The tests read and show numbers under a locale with a decimal comma.
if ! locale -a 2>/dev/null | grep -qi '^nb_NO\.utf-\?8$'; then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo sed -i 's/^# *nb_NO.UTF-8 UTF-8/nb_NO.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^nb_NO.UTF-8 UTF-8' /etc/locale.gen || echo 'nb_NO.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
fi
