#!/usr/bin/env bash
# Completes command lines with the built completion scripts, as bash-completion would.
set -u
share="$1"
# shellcheck disable=SC1091
. /usr/share/bash-completion/bash_completion
. "$share/bash-completion/completions/zentrova-tool"
. "$share/bash-completion/completions/zentrova"

failures=0
# complete WORDS… : the candidates for the last word
expect() {
  local wanted="$1"
  shift
  COMP_WORDS=("$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMP_LINE="$*"
  COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  "$function" "${COMP_WORDS[0]}" "${COMP_WORDS[$COMP_CWORD]}" "${COMP_WORDS[$COMP_CWORD - 1]}"
  local got="${COMPREPLY[*]}"
  if [ "$got" != "$wanted" ]; then
    echo "completing '$*': got '$got', wanted '$wanted'"
    failures=$((failures + 1))
  fi
}

cd "$(mktemp -d)"
touch site.ses other.txt
function=_zentrova_tool
expect "capture" zentrova-tool ca
expect "compile decompile dump" zentrova-tool db ""
expect "export" zentrova-tool session ""
expect "--db --help --json --timeout" zentrova-tool run --
expect "--text" zentrova-tool report site.ses --t
expect "site.ses" zentrova-tool run s
expect "" zentrova-tool run site.ses --timeout ""
expect "--help --version" zentrova-tool --
function=_zentrova
expect "--help --version" zentrova --
expect "-platform -platformtheme" zentrova -pl
exit $((failures > 0))
