#!/bin/bash
# The catalogues against the sources: po/vorlen.pot holds every text the
# sources mark, and nothing they no longer mark; every po/XX.po translates
# every message, none fuzzy.
#   catalogue_test.sh SOURCE-ROOT
set -u
root=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

fail() {
  echo "FAIL: $*" >&2
  failed=1
}

# The messages of a catalogue, one id a line (msgcat's own order).
ids() {
  msgcat --no-wrap --sort-output "$1" | awk '/^msgid /' | sort
}

"$root/po/make-pot.sh" "$root" "$work/current.pot" || fail "make-pot.sh failed"
if ! cmp -s <(ids "$work/current.pot") <(ids "$root/po/vorlen.pot"); then
  fail "po/vorlen.pot is not the sources' (cmake --build build --target vorlen-pot):"
  diff <(ids "$root/po/vorlen.pot") <(ids "$work/current.pot") | sed 's/^/  /' >&2
fi

for po in "$root"/po/*.po; do
  name=po/$(basename "$po")
  if ! stats=$(LC_ALL=C msgfmt --check --statistics -o /dev/null "$po" 2>&1); then
    fail "$name does not compile: $stats"
  fi
  case $stats in
  *untranslated* | *fuzzy*) fail "$name is not complete: $stats" ;;
  esac
  # Every message of the template, and none that the template lacks.
  if ! cmp -s <(ids "$po") <(ids "$root/po/vorlen.pot"); then
    fail "$name does not have the messages of po/vorlen.pot (msgmerge -U $name po/vorlen.pot):"
    diff <(ids "$root/po/vorlen.pot") <(ids "$po") | sed 's/^/  /' >&2
  fi
done

[ "$failed" = 0 ] && echo "catalogues: current and complete"
exit "$failed"
