#!/usr/bin/env bash
# Builds Vorlen for the browser: the core and its C interface (web/)
# compiled by Debian's emscripten into vorlen.wasm, with the page (web/page/)
# and the pictures it shows, into build-web/site/: a static site that works
# from any host and sub-path.
#
#   scripts/web.sh                # builds the site
#   scripts/web.sh serve [PORT]   # builds if needed, serves it at http://127.0.0.1:PORT/ (8080)
#
# Installs what is missing (apt-get, through sudo when not root).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=${VORLEN_WEB_DIR:-$root/build-web}
jobs=${VORLEN_JOBS:-$(nproc)}
site=$work/site

serve_site() {
  local port=${1:-8080}
  [[ "$port" =~ ^[0-9]+$ && "$port" -ge 1 && "$port" -le 65535 ]] || {
    echo "error: '$port' is not a port number (1 to 65535)" >&2
    exit 2
  }
  exec node "$root/scripts/serve-site.mjs" "$site" "$port"
}

case "${1:-}" in
  "") ;;
  serve)
    if [[ $# -gt 2 ]]; then
      echo "usage: scripts/web.sh [serve [PORT]]" >&2
      exit 2
    fi
    ;;
  *)
    echo "usage: scripts/web.sh [serve [PORT]]" >&2
    exit 2
    ;;
esac
if [[ "${1:-}" == serve && -f "$site/index.html" && -z "${VORLEN_WEB_REBUILD:-}" ]]; then
  serve_site "${2:-}"
fi

source "$root/scripts/emscripten-setup.sh"

# The generators the WebAssembly build runs (the sine tables and the glyph
# table of the picture font, read with FreeType) are programs of this
# machine; so is the English catalogue the page loads, po/en.po as JSON.
echo "== the table generators, native"
cmake -S "$root" -B "$work/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORLEN_GUI=OFF \
  -DVORLEN_CAIRO=OFF -DVORLEN_FREETYPE=ON -DVORLEN_TESTS=OFF -DVORLEN_BENCH=OFF >/dev/null
cmake --build "$work/native" -j "$jobs" --target vorlen-tables vorlen-glyphs vorlen-json

echo "== vorlen.wasm (emscripten $(emcc --version | sed -n '1s/.* \([0-9.]*\) .*/\1/p'))"
emcmake cmake -S "$root" -B "$work/wasm" -DCMAKE_BUILD_TYPE=Release -DVORLEN_GUI=OFF \
  -DVORLEN_CAIRO=OFF -DVORLEN_FREETYPE=OFF -DVORLEN_TESTS=OFF -DVORLEN_BENCH=OFF \
  -DVORLEN_WERROR=ON "${emscripten_cmake_args[@]}" \
  -DVORLEN_TABLE_GENERATOR="$work/native/tables/vorlen-tables" \
  -DVORLEN_GLYPH_GENERATOR="$work/native/picture/generator/vorlen-glyphs" >/dev/null
cmake --build "$work/wasm" -j "$jobs" --target vorlen-web

echo "== the site"
next=$work/site.next
rm -rf "$next"
mkdir -p "$next/art"
cp "$root"/web/page/* "$next/"
cp "$work/wasm/web/vorlen.js" "$work/wasm/web/vorlen.wasm" "$work/native/po/en.json" "$next/"
cp "$root"/resources/{decimator,interpolator,converter}.bmp "$root"/resources/vorlen-{16,32,48,256}.png \
  "$next/art/"
# The service worker keeps one cache per build of the site: its name is the
# hash of every file it serves, so a new build replaces the old files whole.
version=$(cd "$next" && find . -type f ! -name sw.js -print0 | sort -z | xargs -0 sha256sum |
  sha256sum | cut -c1-16)
files=$(cd "$next" && find . -type f ! -name sw.js | sort | sed 's|^\./||' |
  sed 's/.*/  "&",/')
sed -i -e "s/@VERSION@/$version/" "$next/sw.js"
python3 - "$next/sw.js" "$files" <<'PY'
import sys
path, files = sys.argv[1], sys.argv[2]
text = open(path).read().replace("  /* @FILES@ */\n", files + "\n")
open(path, "w").write(text)
PY
rm -rf "$site"
mv "$next" "$site"
echo "the site: $site ($(du -sb "$site" | cut -f1) bytes)"

if [[ "${1:-}" == serve ]]; then
  serve_site "${2:-}"
fi
