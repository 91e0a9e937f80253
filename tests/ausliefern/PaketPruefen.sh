#!/bin/sh
# Builds the Debian package from this build, checks its control data and unpacks it into a
# scratch root (no installation into the system), where the installed tree must be complete and
# the packaged orvanto-text must run on the packaged holiday file.
#   PaketPruefen.sh CPACK KONFIGURATION ORDNER INSTALLATION_PRUEFEN ERWARTET
set -eu
Cpack=$1 Konfiguration=$2 Ordner=$3 InstallationPruefen=$4 Erwartet=$5
rm -rf "$Ordner"
mkdir -p "$Ordner"
"$Cpack" --config "$Konfiguration" -B "$Ordner" > "$Ordner/cpack.log"
Paket="$Ordner/orvanto_1.03_amd64.deb"
dpkg-deb --info "$Paket" > "$Ordner/info"
Fehler=0
erwarte() {
    if ! grep -q "$1" "$Ordner/info"; then
        echo "dpkg-deb --info: \"$1\" fehlt"
        Fehler=1
    fi
}
erwarte '^ Package: orvanto$'
erwarte '^ Version: 1.03$'
erwarte '^ Architecture: amd64$'
# The libraries the programs link come from dpkg-shlibdeps (which ones depends on the build);
# the window toolkit is always among them. Programs and plug-ins started at run time are named.
erwarte '^ Depends: .*libwxgtk3.2'
erwarte '^ Depends: .*libgtk-3-0'
erwarte '^ Depends: .*xdg-utils'
erwarte '^ Depends: .*gstreamer1.0-plugins-good'
erwarte '^ Recommends: .*orca'
dpkg -x "$Paket" "$Ordner/wurzel"
"$InstallationPruefen" "$Ordner/wurzel/usr" || Fehler=1
if ! "$Ordner/wurzel/usr/bin/orvanto-text" feiertage \
    "$Ordner/wurzel/usr/share/orvanto/Kalenderdateien/Oesterreichische Feiertage.ovf" 2025 |
    cmp -s - "$Erwartet"; then
    echo "orvanto-text aus dem Paket gibt nicht die Feiertage von 2025 aus"
    Fehler=1
fi
exit $Fehler
