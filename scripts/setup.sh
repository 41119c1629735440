#!/usr/bin/env bash
# Installs what the build, the tests and the program need; does nothing when all is there.
set -euo pipefail
packages=(build-essential cmake qt6-base-dev libgl-dev libgtest-dev googletest libbenchmark-dev
          qt6-qpa-plugins fonts-dejavu-core)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq "${missing[@]}" </dev/null
fi
