#!/usr/bin/env bash
# The bash completion of vorn-cli, driven as bash drives it: each case gives the
# words on the line (the last one being completed) and the candidates expected.
# Usage: completion_test.bash VORN_CLI COMPLETION DEMO_DIR
set -uo pipefail
PATH=$(cd "$(dirname "$1")" && pwd):$PATH
source "$2"
cd "$3" || exit 1

cases=(
  "vorn-cli ex|extract"
  "vorn-cli list --format |dir pck"
  "vorn-cli list --encoding Windows-125|Windows-1250 Windows-1251 Windows-1252 Windows-1253 Windows-1254 Windows-1257"
  "vorn-cli list de|demo.dir demo.pck"
  "vorn-cli extract demo.pck -C /tmp DATA/G|DATA/GFX DATA/GFX/PALETTE.PAL DATA/GFX/TITLE.BMP"
  "vorn-cli extract --format pck -C /tmp demo.pck DATA/SOUND/M|DATA/SOUND/MUSIC DATA/SOUND/MUSIC/THEME.MID"
  "vorn-cli update demo.pck --delete DATA/M|DATA/MAPS DATA/MAPS/LEVEL01.MAP DATA/MAPS/LEVEL02.MAP DATA/MAPS/LEVEL03.MAP DATA/MAPS/TILES.DAT"
  "vorn-cli extract missing.pck DATA/|"
)
failed=0
for case in "${cases[@]}"; do
  read -ra COMP_WORDS <<<"${case%%|*}"
  [[ ${case%%|*} == *" " ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _vorn_cli
  got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | xargs)
  if [[ $got != "${case#*|}" ]]; then
    echo "FAIL: '${case%%|*}' gave '$got', expected '${case#*|}'"
    failed=1
  fi
done
exit $failed
