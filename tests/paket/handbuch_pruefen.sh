#!/usr/bin/env bash
# handbuch_pruefen.sh PROGRAMM SEITE.1: every command and option that `PROGRAMM --help` names
# must have an entry of its own in the manual page (a tagged paragraph, as man shows it).
set -euo pipefail
programm=$1 seite=$2

hilfe=$("$programm" --help)
# Options: every -x or --word after a blank, a comma, a bracket, a bar or a parenthesis.
mapfile -t optionen < <(grep -oE '(^|[][ ,|(])--?[a-zA-Z][a-zA-Z0-9-]*' <<<"$hilfe" |
    sed -E 's/^[][ ,|(]//' | sort -u)
# Commands: the words that open a line indented by exactly two blanks.
mapfile -t befehle < <(grep -oE '^  [a-z][a-z0-9-]*' <<<"$hilfe" | sed 's/^  //' | sort -u)

if [ ${#optionen[@]} -lt 2 ] || [ ${#befehle[@]} -lt 1 ]; then
    echo "FEHLER: in der Hilfe von $programm keine Befehle oder Optionen gefunden" >&2
    exit 1
fi

warnungen=$(mktemp)
trap 'rm -f "$warnungen"' EXIT
text=$(MANWIDTH=1000 man --warnings -l "$seite" 2>"$warnungen" | sed 's/.\x08//g')
fehler=0
if [ -s "$warnungen" ]; then
    echo "FEHLER: man meldet für $seite:" >&2
    cat "$warnungen" >&2
    fehler=1
fi
for wort in "${befehle[@]}" "${optionen[@]}"; do
    # An entry: the word opens a line at the tag indentation (seven blanks, body text has
    # more), possibly after other words ending in a comma.
    muster="^ {7}([^ ]+, )*$(sed 's/[.[\*^$]/\\&/g' <<<"$wort")(\$|[ ,])"
    if ! grep -qE -- "$muster" <<<"$text"; then
        echo "FEHLER: $wort steht in \"$(basename "$programm") --help\", aber ohne Eintrag in $seite" >&2
        fehler=1
    fi
done
[ $fehler -eq 0 ] && echo "$seite: ${#befehle[@]} Befehle, ${#optionen[@]} Optionen beschrieben"
exit $fehler
