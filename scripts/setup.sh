#!/usr/bin/env bash
# Installs what building, running and testing need, from Debian's packages only.
set -euo pipefail

# With --test also what the full test run needs: clang and its runtime for the fuzz
# targets, clang-format for the style check, dpkg-dev and file for the Debian package,
# poppler-utils to read back the PDFs that the tests print, and the accessibility bus with
# its Python client to walk the work window as a screen reader does.
packages=(g++ cmake make ccache qt6-base-dev qt6-base-dev-tools libgl-dev
          qt6-translations-l10n fonts-liberation fonts-dejavu-core xvfb xauth xdotool imagemagick)
if [ "${1:-}" = "--test" ]; then
    packages+=(clang libclang-rt-14-dev clang-format dpkg-dev file poppler-utils
               at-spi2-core dbus-daemon python3-pyatspi)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
