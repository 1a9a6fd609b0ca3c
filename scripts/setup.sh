#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the window need (or the ones given as
# arguments); a second run installs nothing.
set -euo pipefail

# With arguments, installs just those packages (the fuzz build asks for clang this way).
if (($#)); then
  packages=("$@")
else
  packages=(
    cmake g++ make pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    libcli11-dev nlohmann-json3-dev libopenblas-dev libicu-dev
    qt6-base-dev qt6-translations-l10n libgl-dev fonts-dejavu-core xvfb xauth openbox tint2 x11-utils imagemagick
    fonts-liberation cups printer-driver-cups-pdf poppler-utils libcups2-dev
    dpkg-dev file lintian desktop-file-utils appstream shared-mime-info xdg-utils man-db
    libfile-mimeinfo-perl clang-format clang-tidy xdotool ccache
  )
fi

missing=()
for p in "${packages[@]}"; do
  # Installed, or installed with its triggers (man-db, mime, icons) still to run: nothing to fetch.
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -qE 'ok (installed|triggers-pending|triggers-awaited)$'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  # Another installation running (an unattended upgrade, a second checkout) is waited for.
  apt-get -o DPkg::Lock::Timeout=900 update -qq
  apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends "${missing[@]}"
fi
