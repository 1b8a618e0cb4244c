#!/usr/bin/env bash
# install_missing PACKAGE...: installs with apt-get those of the named Debian packages that are
# not installed yet (through sudo when not root). Sourced by tools/setup.sh and
# tools/windows-core.sh, so both check and install the same way.
install_missing() {
  local missing=() p sudo=""
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -gt 0 ] || return 0
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
