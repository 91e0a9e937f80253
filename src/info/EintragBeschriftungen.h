#pragma once

// The captions of the entry editor's fields. The editor shows them with their access keys; the
// information text quotes them without the "&" (RemoveAmpersands), so both read the same words.

inline constexpr const char* BeschriftungVon = "&Von:";
inline constexpr const char* BeschriftungDauer = "Da&uer (Tage):";
inline constexpr const char* BeschriftungGanztaegig = "Ga&nztägig";
inline constexpr const char* BeschriftungUhrzeit = "U&hrzeit:";
inline constexpr const char* BeschriftungKalendergrenze = "Kalender&grenze für diesen Eintrag:";
inline constexpr const char* BeschriftungKurztext = "Kurz&text:";
inline constexpr const char* BeschriftungLangtext = "Langte&xt:";
inline constexpr const char* BeschriftungIntervall = "&Intervall:";
inline constexpr const char* BeschriftungEintragstyp = "&Eintragstyp:";
inline constexpr const char* BeschriftungZaehlfunktion = "Zähl&funktion";
inline constexpr const char* BeschriftungStartwert = "Start&wert:";
inline constexpr const char* BeschriftungLoeschfunktion = "&Löschfunktion";
inline constexpr const char* BeschriftungSounddatei = "&Sounddatei";
inline constexpr const char* BeschriftungDurchsuchen = "&Durchsuchen...";
inline constexpr const char* BeschriftungOK = "O&K";
inline constexpr const char* BeschriftungAbbrechen = "&Abbrechen";
