#!/usr/bin/env bash
# The setup program as a rater's PC meets it: installed silently into a fresh Wine prefix,
# the installed console started from its menu entry's command line, then uninstalled,
# which must leave the session files alone.
# setup_pruefen.sh SETUP.EXE PREFIX
set -euo pipefail
setup=$1
export WINEPREFIX=$2
export WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
wine=/usr/lib/wine/wine64
server=/usr/lib/wine/wineserver

fehler() { echo "setup_pruefen: $*" >&2; exit 1; }
[ -f "$setup" ] || fehler "$setup is missing: build the target morvanto_setup first"

rm -rf "$WINEPREFIX"
trap '"$server" -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
mkdir -p "$WINEPREFIX/.heim"
HOME="$WINEPREFIX/.heim" "$wine" wineboot -i > "$WINEPREFIX.log" 2>&1 \
    || { cat "$WINEPREFIX.log" >&2; fehler "no fresh Wine prefix"; }
"$wine" "$setup" /S || fehler "the silent setup failed ($?)"
"$server" -w

ziel="$WINEPREFIX/drive_c/Program Files/Morvanto"
menue="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Morvanto.lnk"
for datei in morvanto.exe morvanto-auswertung.exe morvanto-video.exe uninstall.exe \
             Qt6Core.dll Qt6Widgets.dll libstdc++-6.dll platforms/qwindows.dll; do
    [ -f "$ziel/$datei" ] || fehler "not installed: $datei"
done
[ -f "$menue" ] || fehler "no start menu entry"
[ -z "$(find "$WINEPREFIX/drive_c/users" -name Morvanto.lnk)" ] \
    || fehler "a silent setup made the optional desktop shortcut"
# Only the imported DLLs: no test or offscreen plugin, nothing of Qt that is not used.
[ ! -e "$ziel/platforms/qoffscreen.dll" ] && [ ! -e "$ziel/Qt6Test.dll" ] \
    || fehler "DLLs that no program imports were installed"

# Started as the menu entry starts it, the console makes its session folder in the
# documents folder and keeps running.
dokumente="$WINEPREFIX/drive_c/users/$(id -un)/Documents"
# Only the Windows platform plugin is installed; without a display Wine's null driver
# hosts the window.
env -u DISPLAY "$wine" "$ziel/morvanto.exe" --menue > /dev/null 2>&1 &
kind=$!
for _ in $(seq 100); do
    [ -d "$dokumente/Morvanto" ] && break
    kill -0 "$kind" 2>/dev/null || fehler "the installed morvanto.exe ended at once"
    sleep 0.2
done
[ -d "$dokumente/Morvanto" ] || fehler "no session folder in $dokumente"
kill -0 "$kind" 2>/dev/null || fehler "the installed morvanto.exe did not keep running"
"$server" -k
wait "$kind" 2>/dev/null || true

echo x > "$dokumente/Morvanto/klient_rater_info.dat"
echo x > "$ziel/klient_rater_Verlauf.dat"
"$wine" "$ziel/uninstall.exe" /S
"$server" -w
[ ! -e "$ziel/morvanto.exe" ] && [ ! -e "$ziel/Qt6Core.dll" ] && [ ! -e "$menue" ] \
    || fehler "the uninstaller left the program behind"
[ -f "$dokumente/Morvanto/klient_rater_info.dat" ] && [ -f "$ziel/klient_rater_Verlauf.dat" ] \
    || fehler "the uninstaller removed session files"
echo "setup_pruefen: installed, started and uninstalled"
