#!/usr/bin/env bash
# What `cmake --install` puts into a fresh prefix: exactly the programs, the
# desktop entry, the icons, the AppStream metadata, the manual pages, the
# copyright and the changelog (no test, benchmark or artwork generator), each
# usable from there and telling the same version.
#
#   install_test.sh CMAKE BUILD_DIR GUI(ON|OFF) VERSION APP_ID
set -euo pipefail
cmake=$1 build=$2 gui=$3 version=$4 app_id=$5

fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in desktop-file-validate groff man file dpkg-parsechangelog xmllint; do
  command -v "$tool" >/dev/null ||
    fail "$tool is missing (scripts/install-deps.sh installs it)"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" ||
  fail "cmake --install failed: $(cat "$work/install.log")"

# 1. The files, no more and no fewer.
docs=share/doc/vorlen
expected=(bin/vorlen-render share/man/man1/vorlen-render.1.gz "$docs/copyright" "$docs/changelog.gz"
          share/locale/en/LC_MESSAGES/vorlen.mo)
if [[ $gui == ON || $gui == 1 ]]; then
  gui=ON
  expected+=(bin/vorlen share/man/man1/vorlen.1.gz "share/applications/$app_id.desktop"
             "share/metainfo/$app_id.metainfo.xml")
  for size in 16 32 48 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$app_id.png")
  done
fi
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$prefix" && find . -type f -printf '%P\n' | sort) ||
  fail "the installed files differ from the list above (< expected, > installed)"

# 2. The installed renderer runs and draws.
[[ "$("$prefix/bin/vorlen-render" --version)" == "vorlen-render $version" ]] ||
  fail "vorlen-render --version: $("$prefix/bin/vorlen-render" --version)"
"$prefix/bin/vorlen-render" dft -o "$work/dft.png" || fail "the installed vorlen-render cannot draw"
file "$work/dft.png" | grep -q 'PNG image data, 800 x 600' || fail "dft.png: $(file "$work/dft.png")"
# In English too, from the catalogue built into it; the installed .mo is
# gettext's own, for the tools that read it.
"$prefix/bin/vorlen-render" dft --lang en -o "$work/dft.svg" || fail "vorlen-render --lang en cannot draw"
grep -qF '>Magnitude spectrum | X(k) | :</text>' "$work/dft.svg" || fail "vorlen-render --lang en draws no English title"
msgunfmt "$prefix/share/locale/en/LC_MESSAGES/vorlen.mo" >"$work/en.po" &&
  grep -qF 'msgstr "Decimation"' "$work/en.po" ||
  fail "the installed vorlen.mo does not translate into English"

# 3. The desktop: a valid entry that starts the program and names its
#    icon, the icons at their sizes, and the version without a display.
if [[ $gui == ON ]]; then
  entry=$prefix/share/applications/$app_id.desktop
  desktop-file-validate "$entry" >"$work/validate.log" 2>&1 ||
    fail "desktop-file-validate: $(cat "$work/validate.log")"
  for line in "Name=Vorlen" "Exec=vorlen %f" "Icon=$app_id" "Categories=Education;Science;"; do
    grep -qxF "$line" "$entry" || fail "the desktop entry lacks '$line'"
  done
  for size in 16 32 48 256; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png
    file "$icon" | grep -q "PNG image data, $size x $size" || fail "$icon: $(file "$icon")"
  done
  [[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/vorlen" --version)" == "vorlen $version" ]] ||
    fail "vorlen --version without a display"
fi

# 4. The manual pages: no roff warnings, and every option and command that
#    vorlen-render --help lists is described in its page.
for page in "$prefix"/share/man/man1/*.1.gz; do
  gzip -dc "$page" | groff -man -Tutf8 -wall 2>"$work/groff.log" >/dev/null || fail "groff failed on $page"
  [[ ! -s "$work/groff.log" ]] || fail "groff warns about $page: $(cat "$work/groff.log")"
  MANWIDTH=80 man -l "$page" >/dev/null 2>&1 || fail "man -l cannot show $page"
done
MANWIDTH=200 man -l "$prefix/share/man/man1/vorlen-render.1.gz" 2>/dev/null >"$work/page.txt"
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

# 5. Compressed as gzip -9n: no file name and no time stamp in the header,
#    so that two builds of the same sources install the same bytes.
while IFS= read -r -d '' gz; do
  read -r -a header < <(od -An -tu1 -N9 "$gz")
  [[ "${header[*]:0:3}" == "31 139 8" ]] || fail "$gz is not gzip data"
  (( (header[3] & 8) == 0 )) || fail "$gz keeps the file name (gzip without -n)"
  [[ "${header[*]:4:4}" == "0 0 0 0" ]] || fail "$gz keeps a time stamp (gzip without -n)"
  [[ ${header[8]} == 2 ]] || fail "$gz is not compressed at level 9"
done < <(find "$prefix" -name '*.gz' -print0)

# 6. The copyright file in Debian's machine-readable form: every licence a
#    Files paragraph names has its text, in the paragraph or on its own.
copyright=$prefix/$docs/copyright
[[ "$(head -n 1 "$copyright")" == "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ]] ||
  fail "$docs/copyright does not start with the DEP-5 Format line"
unexplained=$(awk '
  /^$/ { end_paragraph() ; next }
  /^Files:/ { files = 1 }
  /^License:/ { name = $2; field = "License" ; next }
  /^[^ \t]/ { field = "" }
  /^[ \t]/ && field == "License" { text = 1 }
  function end_paragraph() {
    if (name != "") { if (text) explained[name] = 1; else if (files) wanted[name] = 1 }
    files = 0; name = ""; text = 0; field = ""
  }
  END { end_paragraph(); for (n in wanted) if (!(n in explained)) print n }' "$copyright")
[[ -z "$unexplained" ]] || fail "$docs/copyright names licences without their text: $unexplained"
grep -q '^Files: \*$' "$copyright" || fail "$docs/copyright has no paragraph for all files"

# 7. The changelog is a Debian changelog whose newest entry is this version.
gzip -dc "$prefix/$docs/changelog.gz" >"$work/changelog"
[[ "$(dpkg-parsechangelog -l "$work/changelog" -S Source)" == vorlen ]] ||
  fail "the changelog is not vorlen's"
[[ "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" == "$version" ]] ||
  fail "the changelog's newest entry is not $version (docs/changelog)"
released=$(date -u -d "$(dpkg-parsechangelog -l "$work/changelog" -S Date)" +%F)

# 8. The AppStream metadata names the desktop entry and the programs that
#    were installed, and its newest release is this one, on the changelog's
#    date.
if [[ $gui == ON ]]; then
  metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
  xpath() { xmllint --xpath "$1" "$metainfo"; }
  [[ "$(xpath 'string(/component/id)')" == "$app_id" ]] || fail "the metainfo's id is not $app_id"
  launched=$(xpath 'string(/component/launchable[@type="desktop-id"])')
  [[ -f "$prefix/share/applications/$launched" && $launched == "$app_id.desktop" ]] ||
    fail "the metainfo launches '$launched', not the installed $app_id.desktop"
  diff <(xpath '/component/provides/binary/text()' | sort) <(ls "$prefix/bin") ||
    fail "the metainfo's binaries are not the installed programs (< metainfo, > bin/)"
  [[ "$(xpath 'string(/component/releases/release[1]/@version)')" == "$version" ]] ||
    fail "the metainfo's newest release is not $version"
  [[ "$(xpath 'string(/component/releases/release[1]/@date)')" == "$released" ]] ||
    fail "the metainfo's newest release is not dated $released, as the changelog"
fi

echo "install: all checks passed"
