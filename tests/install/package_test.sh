#!/usr/bin/env bash
# The Debian package that `cpack -G DEB` makes in a build folder: its name,
# the dependencies dpkg-shlibdeps found plus the font, and its files (the
# programs, never a test, benchmark or the artwork generator).
#
#   package_test.sh BUILD_DIR
set -euo pipefail
build=$1

fail() { echo "FAIL: $*" >&2; exit 1; }
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
echo "package: $(basename "$deb"), Depends: $depends"
