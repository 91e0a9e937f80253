#!/bin/sh
# Installs the MIME definition of calendar files into a scratch data folder and checks that the
# desktop's detection (GIO over shared-mime-info) names every calendar file extension and a
# calendar file without extension by its content, and leaves other files alone.
#   MimeTypPruefen.sh DEFINITION KALENDERDATEI ORDNER
set -eu
Definition=$1 Kalender=$2 Ordner=$3
Typ=application/x-orvanto-kalender
rm -rf "$Ordner"
mkdir -p "$Ordner/mime/packages" "$Ordner/dateien"
cp "$Definition" "$Ordner/mime/packages/"
export XDG_DATA_HOME="$Ordner" XDG_DATA_DIRS="/usr/share"
update-mime-database "$Ordner/mime"

Fehler=0
erwarte() {
    Ist=$(gio info -a standard::content-type "$1" | sed -n 's/^ *standard::content-type: //p')
    if [ "$Ist" != "$2" ]; then
        echo "$1: $Ist, erwartet $2"
        Fehler=1
    fi
}
for Endung in OVK ovk OVF ovf OVI ovi OVO ovo; do
    cp "$Kalender" "$Ordner/dateien/Kalender.$Endung"
    erwarte "$Ordner/dateien/Kalender.$Endung" $Typ
done
cp "$Kalender" "$Ordner/dateien/ohne-endung"
erwarte "$Ordner/dateien/ohne-endung" $Typ
printf 'OV_3 ist hier nur Text.\n' > "$Ordner/dateien/notiz"
erwarte "$Ordner/dateien/notiz" text/plain
exit $Fehler
