#!/usr/bin/env bash
# Installs what is missing, builds Vorlen and starts it. Arguments go to the
# program (an optional file to open as the document).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "Vorlen is built (build/vorlen) but cannot start: there is no graphical display." >&2
  echo "Run it from a desktop session, or try: xvfb-run -a build/vorlen" >&2
  exit 1
fi
exec "${VORLEN_BUILD_DIR:-$root/build}/vorlen" "$@"
