#!/usr/bin/env bash
# Runs the browser tests (tests/web/): Debian's Chromium, headless, driven
# by playwright-core from npm (the versions of tests/web/package-lock.json;
# never a downloaded browser), against the site of scripts/web.sh and the
# pictures of vorlen-render.
#
#   scripts/web-test.sh [node --test arguments...]
#
# VORLEN_SITE (default build-web/site), VORLEN_RENDER (default
# build/cli/vorlen-render) and VORLEN_CHROMIUM (default /usr/bin/chromium)
# say where they are.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
site=${VORLEN_SITE:-$root/build-web/site}
render=${VORLEN_RENDER:-$root/build/cli/vorlen-render}
for needed in "$site/index.html" "$render"; do
  if [[ ! -e "$needed" ]]; then
    echo "error: $needed is missing; build it first (scripts/web.sh, scripts/build.sh)" >&2
    exit 1
  fi
done
cd "$root/tests/web"
PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error
VORLEN_SITE=$site VORLEN_RENDER=$render node --test --test-concurrency=1 "$@"
