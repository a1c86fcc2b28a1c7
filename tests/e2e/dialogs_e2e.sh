#!/usr/bin/env bash
# The dialogs of the real program, reached through its menus: each opens
# centred over the main window and closes with Escape or Enter; a block
# diagram shows its picture.
VORLEN=$1
source "$(dirname "$0")/e2e_lib.sh"

start_vorlen
read -r mx my mw mh < <(geometry "$WINDOW")
main_cx=$((mx + mw / 2)) main_cy=$((my + mh / 2))

# Title, where its menu title sits, the keys that choose it, the key that
# closes it.
while IFS='|' read -r -u 3 title x keys close; do
  # shellcheck disable=SC2086 # the keys are separate words
  open_dialog "$title" "$x" $keys
  read -r x y w h < <(geometry "$DIALOG")
  dx=$((x + w / 2 - main_cx)) dy=$((y + h / 2 - main_cy))
  ((dx >= -2 && dx <= 2 && dy >= -2 && dy <= 2)) || fail "'$title' is not centred: off by $dx, $dy"
  if [[ "$title" == Blok* ]]; then
    # The diagram's light cyan background, just inside the picture.
    screenshot "$E2E_HOME/diagram.png"
    [[ "$(pixel "$E2E_HOME/diagram.png" $((x + 30)) $((y + 30)))" == "128,255,255" ]] ||
      fail "'$title' shows no picture"
  fi
  close_dialog "$title" "$close"
done 3<<'EOF'
Odabir generatora ulaznog signala|100||Escape
Parametri NF filtra|272|Down|Return
Blok shema decimacije sa celobrojnim faktorom|352|Down|Escape
Parametri decimatora|352|Down Down|Return
Blok shema Interpolacije sa celobrojnim faktorom|445|Down|Return
Parametri interpolatora|445|Down Down|Escape
Blok shema konvertora frekvencije odabiranja|535|Down|Escape
Konvertor frekvencije odabiranja|535|Down Down|Return
About Vorlen|704|Down|Escape
EOF

kill -0 "$VORLEN_PID" || fail "the program ended"
echo "e2e dialogs: all checks passed"
