#!/bin/sh
# make-pot.sh SOURCE-ROOT OUT.pot: the message catalogue template of every
# text the program's sources mark with Tr() or N_(), and of every text the
# browser page marks with tr() in its JavaScript.
set -eu
root=$1
out=$2
cd "$root"
partial=$out.partial
# The folders of the program whose texts a person reads; tests, benchmarks
# and tools are not translated.
find app cli dialogs forms language plot polezero views web -name '*.cpp' -o -name '*.h' |
  LC_ALL=C sort |
  xgettext --from-code=UTF-8 --language=C++ --keyword= --keyword=Tr --keyword=N_ \
    --add-comments=TRANSLATORS: --no-location --sort-output \
    --package-name=Vorlen --msgid-bugs-address=vorlen@example.org \
    --files-from=- --output="$partial"
find web/page -name '*.js' |
  LC_ALL=C sort |
  xgettext --from-code=UTF-8 --language=JavaScript --keyword= --keyword=tr --keyword=reason \
    --add-comments=TRANSLATORS: --no-location --sort-output --join-existing \
    --package-name=Vorlen --msgid-bugs-address=vorlen@example.org \
    --files-from=- --output="$partial"
# The creation date changes at every run; nothing else does.
sed '/^"POT-Creation-Date:/d' "$partial" >"$out.dated"
rm -f "$partial"
mv "$out.dated" "$out"
