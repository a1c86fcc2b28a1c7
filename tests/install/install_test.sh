#!/usr/bin/env bash
# What `cmake --install` puts into a fresh prefix: exactly the programs, the
# desktop entry, the icons and the manual pages (no test, benchmark or
# artwork generator), each usable from there.
#
#   install_test.sh CMAKE BUILD_DIR GUI(ON|OFF) VERSION
set -euo pipefail
cmake=$1 build=$2 gui=$3 version=$4

fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in desktop-file-validate groff man file; do
  command -v "$tool" >/dev/null ||
    fail "$tool is missing (scripts/install-deps.sh installs it)"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" ||
  fail "cmake --install failed: $(cat "$work/install.log")"

# 1. The files, no more and no fewer.
expected=(bin/vorlen-render share/man/man1/vorlen-render.1)
if [[ $gui == ON || $gui == 1 ]]; then
  gui=ON
  expected+=(bin/vorlen share/man/man1/vorlen.1 share/applications/vorlen.desktop)
  for size in 16 32 48 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/vorlen.png")
  done
fi
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$prefix" && find . -type f -printf '%P\n' | sort) ||
  fail "the installed files differ from the list above (< expected, > installed)"

# 2. The installed renderer runs and draws.
[[ "$("$prefix/bin/vorlen-render" --version)" == "vorlen-render $version" ]] ||
  fail "vorlen-render --version: $("$prefix/bin/vorlen-render" --version)"
"$prefix/bin/vorlen-render" dft -o "$work/dft.png" || fail "the installed vorlen-render cannot draw"
file "$work/dft.png" | grep -q 'PNG image data, 800 x 600' || fail "dft.png: $(file "$work/dft.png")"

# 3. The desktop: a valid entry that starts the program and names its
#    icon, the icons at their sizes, and the version without a display.
if [[ $gui == ON ]]; then
  entry=$prefix/share/applications/vorlen.desktop
  desktop-file-validate "$entry" >"$work/validate.log" 2>&1 ||
    fail "desktop-file-validate: $(cat "$work/validate.log")"
  for line in "Name=Vorlen" "Exec=vorlen %f" "Icon=vorlen" "Categories=Education;Science;"; do
    grep -qxF "$line" "$entry" || fail "the desktop entry lacks '$line'"
  done
  for size in 16 32 48 256; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/vorlen.png
    file "$icon" | grep -q "PNG image data, $size x $size" || fail "$icon: $(file "$icon")"
  done
  [[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/vorlen" --version)" == "vorlen $version" ]] ||
    fail "vorlen --version without a display"
fi

# 4. The manual pages: no roff warnings, and every option and command that
#    vorlen-render --help lists is described in its page.
for page in "$prefix"/share/man/man1/*.1; do
  groff -man -Tutf8 -wall "$page" 2>"$work/groff.log" >/dev/null || fail "groff failed on $page"
  [[ ! -s "$work/groff.log" ]] || fail "groff warns about $page: $(cat "$work/groff.log")"
  MANWIDTH=80 man -l "$page" >/dev/null 2>&1 || fail "man -l cannot show $page"
done
MANWIDTH=200 man -l "$prefix/share/man/man1/vorlen-render.1" 2>/dev/null >"$work/page.txt"
help=$("$prefix/bin/vorlen-render" --help)
missing=()
for option in $(grep -oE -- '--[a-zA-Z][a-zA-Z0-9-]*' <<<"$help" | sort -u); do
  grep -qF -- "$option" "$work/page.txt" || missing+=("$option")
done
# The commands: the first word of each line under "Commands:".
for command in $(sed -n '/^Commands:/,/^$/p' <<<"$help" | awk 'NR > 1 && NF { print $1 }'); do
  grep -qwF -- "$command" "$work/page.txt" || missing+=("$command")
done
[[ ${#missing[@]} -eq 0 ]] || fail "docs/man/vorlen-render.1 does not describe: ${missing[*]}"

echo "install: all checks passed"
