#!/usr/bin/env bash
# The Debian package that `cpack -G DEB` makes in a build folder: its name,
# the dependencies dpkg-shlibdeps found plus the font, and its files (the
# programs, never a test, benchmark or the artwork generator); then Debian's
# own checks: lintian on the package, and appstreamcli on the AppStream
# metadata it installs. Any error or warning of either fails the test; their
# notes are shown.
#
#   package_test.sh BUILD_DIR
set -euo pipefail
build=$1

fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in lintian appstreamcli objdump ldd dpkg-deb; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps.sh installs it)"
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The version of project() in the top CMakeLists.txt.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[[ -n "$version" ]] || fail "no project version in $build/CMakeCache.txt"

rm -f "$build"/vorlen_*.deb
(cd "$build" && cpack -G DEB >cpack.log 2>&1) || fail "cpack failed: $(cat "$build/cpack.log")"
debs=("$build"/vorlen_"$version"_*.deb)
[[ -f "${debs[0]}" ]] || fail "no vorlen_${version}_ARCH.deb in $build"
deb=${debs[0]}

[[ "$(dpkg-deb -f "$deb" Package)" == vorlen ]] || fail "package name"
[[ "$(dpkg-deb -f "$deb" Version)" == "$version" ]] || fail "package version"
contents=$(dpkg-deb -c "$deb" | awk '{ print $NF }')
depends=$(dpkg-deb -f "$deb" Depends)
# One package name a line, versions dropped.
names=$(sed 's/ *([^)]*)//g; s/, */\n/g' <<<"$depends")
needs=(fonts-dejavu-core libc6 libstdc++6 libpng16-16 libfreetype6 libfontconfig1 libcairo2)
if grep -qx './usr/bin/vorlen' <<<"$contents"; then
  needs+=(libwxgtk3.2-1 libwxbase3.2-1 libgtk-3-0)
fi
for need in "${needs[@]}"; do
  grep -qxF "$need" <<<"$names" || fail "Depends lacks $need: $depends"
done

programs=$(grep '^\./usr/bin/.' <<<"$contents" | sort)
case "$programs" in
  $'./usr/bin/vorlen\n./usr/bin/vorlen-render' | ./usr/bin/vorlen-render) ;;
  *) fail "the package holds other programs: $programs" ;;
esac

# Every shared library a program loads directly comes from a package in
# Depends: the list above, and whatever library a later change links
# (cairo for the vector pictures, say), found by dpkg-shlibdeps.
root=$work/root
dpkg-deb -x "$deb" "$root"
# The package holding a library; dpkg knows some under /lib, some under
# /usr/lib, and the dynamic loader may name either.
owner() {
  local path
  for path in "$1" "${1#/usr}" "/usr$1"; do
    dpkg-query -S "$path" 2>/dev/null | sed -n '1s/[:,].*//p' | grep . && return 0
  done
  return 1
}
for program in "$root"/usr/bin/*; do
  libraries=$(ldd "$program")
  for soname in $(objdump -p "$program" | awk '$1 == "NEEDED" { print $2 }'); do
    path=$(awk -v so="$soname" '$1 == so && $2 == "=>" { print $3 }' <<<"$libraries")
    [[ -n "$path" ]] || fail "$(basename "$program") needs $soname, which is not installed"
    package=$(owner "$path") || fail "no package holds $path"
    grep -qxF "$package" <<<"$names" ||
      fail "$(basename "$program") links $soname from $package, which Depends lacks: $depends"
  done
done

# lintian: no error and no warning; the notes (I:) and pedantic hints (P:)
# are printed for whoever reads the log.
status=0
lintian --fail-on error,warning --display-info --pedantic "$deb" >"$work/lintian.log" 2>&1 || status=$?
grep -v 'running with root privileges' "$work/lintian.log" || true
[[ $status -eq 0 ]] || fail "lintian found errors or warnings in $(basename "$deb")"

# The AppStream metadata, with the desktop entry and icons it refers to, as
# a software centre's collector reads them from the installed tree.
if [[ -d "$root/usr/share/metainfo" ]]; then
  status=0
  appstreamcli validate-tree --no-net --pedantic "$root" >"$work/appstream.log" 2>&1 || status=$?
  cat "$work/appstream.log"
  [[ $status -eq 0 ]] && ! grep -qE '^[EW]: ' "$work/appstream.log" ||
    fail "appstreamcli found errors or warnings in the package's AppStream metadata"
fi
echo "package: $(basename "$deb"), Depends: $depends"
