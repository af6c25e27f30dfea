#!/usr/bin/env bash
# Installs the Debian packages the build needs, when missing (run as root on Debian 12).
set -euo pipefail
pkgs=(g++ cmake ninja-build pkg-config ccache libgtest-dev googletest libbenchmark-dev
      libfreetype-dev libfontconfig-dev libpng-dev zlib1g-dev clang-format fonts-wine
      fonts-liberation clang locales)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
