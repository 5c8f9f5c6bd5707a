#!/usr/bin/env bash
# paket_pruefen.sh BUILD_DIR VERSION: builds the Debian package from the build folder and checks
# it as an administrator meets it: name, files and places, control data, the validators of
# the desktop entry and the metadata, lintian, the manual pages, and the programs run from the
# unpacked package, the console coupled to the player.
set -uo pipefail
build=$1 version=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fehler=0
scheitern() {
    echo "FEHLER: $*" >&2
    fehler=1
}

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp" >"$tmp/cpack.log" 2>&1; then
    cat "$tmp/cpack.log" >&2
    echo "FEHLER: cpack ist gescheitert" >&2
    exit 1
fi
deb=$tmp/morvanto_${version}_amd64.deb
if [ ! -f "$deb" ]; then
    ls "$tmp" >&2
    echo "FEHLER: $(basename "$deb") wurde nicht gebaut" >&2
    exit 1
fi

# Contents: exactly these files, nothing of the tests, benchmarks or build tools.
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }' | sort >"$tmp/inhalt"
metainfo=$(grep -E '^/usr/share/metainfo/[^/]+\.metainfo\.xml$' "$tmp/inhalt")
sort >"$tmp/erwartet" <<EOT
/usr/bin/morvanto
/usr/bin/morvanto-auswertung
/usr/bin/morvanto-video
/usr/share/applications/morvanto.desktop
/usr/share/doc/morvanto/changelog.gz
/usr/share/doc/morvanto/copyright
/usr/share/icons/hicolor/256x256/apps/morvanto.png
/usr/share/icons/hicolor/48x48/apps/morvanto.png
/usr/share/icons/hicolor/scalable/apps/morvanto.svg
/usr/share/man/man1/morvanto-auswertung.1.gz
/usr/share/man/man1/morvanto-video.1.gz
/usr/share/man/man1/morvanto.1.gz
${metainfo:-/usr/share/metainfo/ID.metainfo.xml}
EOT
if ! diff -u "$tmp/erwartet" "$tmp/inhalt" >"$tmp/unterschied"; then
    cat "$tmp/unterschied" >&2
    scheitern "das Paket enthält nicht genau die erwarteten Dateien"
fi

feld() { dpkg-deb -f "$deb" "$1"; }
[ "$(feld Package)" = morvanto ] || scheitern "Package: $(feld Package)"
[ "$(feld Version)" = "$version" ] || scheitern "Version: $(feld Version), erwartet $version"
[ "$(feld Architecture)" = amd64 ] || scheitern "Architecture: $(feld Architecture)"
for paket in libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libqt6network6 libc6 \
    fonts-liberation; do
    feld Depends | grep -qE "(^|, )$paket( |,|$)" ||
        scheitern "Depends ohne $paket: $(feld Depends)"
done
# The player only for the coupling: recommended, never required.
feld Recommends | grep -qE '(^|, )mpv( |,|$)' || scheitern "Recommends ohne mpv: $(feld Recommends)"
feld Depends | grep -qE '(^|, )mpv( |,|$)' && scheitern "Depends verlangt mpv: $(feld Depends)"

wurzel=$tmp/wurzel
dpkg-deb -x "$deb" "$wurzel"
share=$wurzel/usr/share

desktop-file-validate "$share/applications/morvanto.desktop" || scheitern "desktop-file-validate"
symbol=$(sed -n 's/^Icon=//p' "$share/applications/morvanto.desktop")
[ -f "$share/icons/hicolor/scalable/apps/$symbol.svg" ] ||
    scheitern "das Symbol \"$symbol\" des Menüeintrags fehlt"

if [ -n "$metainfo" ]; then
    appstreamcli validate --no-net "$wurzel$metainfo" || scheitern "appstreamcli validate"
    kennung=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$wurzel$metainfo")
    [ "$(basename "$metainfo")" = "$kennung.metainfo.xml" ] ||
        scheitern "$metainfo trägt die Kennung $kennung nicht im Namen"
    grep -q "<release version=\"$version\"" "$wurzel$metainfo" ||
        scheitern "die Metadaten nennen die Version $version nicht"
    starter=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' \
        "$wurzel$metainfo")
    [ -f "$share/applications/$starter" ] || scheitern "Metadaten: $starter fehlt"
fi

# Bitmaps: PNG of the size their folder names (width and height from the IHDR chunk).
for groesse in 48 256; do
    png=$share/icons/hicolor/${groesse}x${groesse}/apps/morvanto.png
    kopf=$(od -An -tx1 -N24 "$png" | tr -d ' \n')
    [ "${kopf:0:16}" = 89504e470d0a1a0a ] || scheitern "$png ist kein PNG"
    breite=$((16#${kopf:32:8})) hoehe=$((16#${kopf:40:8}))
    [ "$breite x $hoehe" = "$groesse x $groesse" ] ||
        scheitern "$png ist $breite x $hoehe statt $groesse x $groesse"
done

if ! lintian --fail-on error --color never "$deb" >"$tmp/lintian" 2>&1; then
    cat "$tmp/lintian" >&2
    scheitern "lintian meldet Fehler"
fi

# The programs as installed: the research companion answers, the console starts.
auswertung=$wurzel/usr/bin/morvanto-auswertung
"$auswertung" --help >"$tmp/hilfe" 2>&1 && grep -q '^Aufruf: morvanto-auswertung' "$tmp/hilfe" ||
    scheitern "morvanto-auswertung --help aus dem Paket: $(head -3 "$tmp/hilfe")"
[ "$("$auswertung" --version 2>&1)" = "morvanto-auswertung $version" ] ||
    scheitern "morvanto-auswertung --version: $("$auswertung" --version 2>&1)"

video=$wurzel/usr/bin/morvanto-video
"$video" --help >"$tmp/hilfe" 2>&1 && grep -q '^Aufruf: morvanto-video' "$tmp/hilfe" ||
    scheitern "morvanto-video --help aus dem Paket: $(head -3 "$tmp/hilfe")"
[ "$("$video" --version 2>&1)" = "morvanto-video $version" ] ||
    scheitern "morvanto-video --version: $("$video" --version 2>&1)"

# The manual pages as man shows them, from the package: no warnings.
for seite in "$share"/man/man1/*.1.gz; do
    if ! warnungen=$(MANWIDTH=80 man --warnings -l "$seite" 2>&1 >/dev/null) ||
        [ -n "$warnungen" ]; then
        echo "$warnungen" >&2
        scheitern "man zeigt $(basename "$seite") nicht ohne Warnungen"
    fi
done

# The installed console and the installed player meet at the same socket in the private
# runtime folder: coupled within the console's search interval, and on by hand after the
# player quits.
koppeln() {
    local sockel=$tmp/laufzeit/morvanto-mpv.sock spieler
    (cd "$tmp" && HOME=$heim XDG_RUNTIME_DIR=$tmp/laufzeit \
        exec "$video" --vo=null --ao=null 'av://lavfi:testsrc=duration=600' \
        >"$tmp/video.log" 2>&1) &
    spieler=$!
    for _ in $(seq 100); do
        grep -qF "Videoplayer gekoppelt: $sockel" "$tmp/konsole.log" ||
            ! kill -0 $spieler 2>/dev/null && break
        sleep 0.1
    done
    if ! grep -qF "Videoplayer gekoppelt: $sockel" "$tmp/konsole.log"; then
        cat "$tmp/video.log" "$tmp/konsole.log" >&2
        scheitern "morvanto aus dem Paket hat sich nicht mit morvanto-video gekoppelt"
    fi
    kill $spieler 2>/dev/null
    wait $spieler 2>/dev/null
    for _ in $(seq 50); do
        grep -q 'Videoplayer-Kopplung beendet' "$tmp/konsole.log" && break
        sleep 0.1
    done
    grep -q 'Videoplayer-Kopplung beendet' "$tmp/konsole.log" ||
        scheitern "morvanto hat das Ende des Players nicht bemerkt"
    sleep 0.5
    kill -0 $konsole 2>/dev/null || scheitern "morvanto hat sich mit dem Player beendet"
}

# A menu start creates the session folder in the home folder, and the console keeps running.
heim=$tmp/heim
mkdir -p "$heim" "$tmp/laufzeit"
chmod 700 "$tmp/laufzeit"
(cd "$tmp" && HOME=$heim XDG_RUNTIME_DIR=$tmp/laufzeit QT_QPA_PLATFORM=offscreen \
    exec "$wurzel/usr/bin/morvanto" --menue >"$tmp/konsole.log" 2>&1) &
konsole=$!
for _ in $(seq 200); do
    [ -d "$heim/Morvanto" ] || ! kill -0 $konsole 2>/dev/null && break
    sleep 0.1
done
sleep 1
if kill -0 $konsole 2>/dev/null; then
    koppeln
else
    cat "$tmp/konsole.log" >&2
    scheitern "morvanto aus dem Paket hat sich beendet"
fi
kill $konsole 2>/dev/null
wait $konsole 2>/dev/null
[ -d "$heim/Morvanto" ] || scheitern "der Menüstart hat ~/Morvanto nicht angelegt"

[ $fehler -eq 0 ] && echo "$(basename "$deb"): $(wc -l <"$tmp/inhalt") Dateien, geprüft"
exit $fehler
