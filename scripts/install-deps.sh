#!/usr/bin/env bash
# Installs the Debian 12 packages Vorlen needs to build, run and test.
# Quiet and quick when everything is already there; uses sudo when not root.
set -euo pipefail

packages=(
  g++ cmake make pkg-config gettext
  libwxgtk3.2-dev libgtk-3-dev
  libfreetype-dev libfontconfig-dev fontconfig fonts-dejavu-core
  libpng-dev libcairo2-dev
  nlohmann-json3-dev libcli11-dev libfmt-dev libfast-float-dev
  libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth xdotool imagemagick x11-utils strace openbox
  librsvg2-bin poppler-utils
  dpkg-dev file desktop-file-utils groff-base man-db
  lintian appstream libxml2-utils clang-format
  emscripten nodejs chromium
)
# npm comes with Node.js from some sources and as a package of its own in
# Debian: asked for only when it is not there.
command -v npm >/dev/null || packages+=(npm)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then
  if ! command -v sudo >/dev/null; then
    echo "error: these packages are missing and sudo is not available: ${missing[*]}" >&2
    exit 1
  fi
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
