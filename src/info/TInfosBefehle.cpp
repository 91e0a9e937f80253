#include "info/TInfosBefehle.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "info/TInfosTexte.h"
#include "model/TDaten.h"
#include "platform/TMeldungsPort.h"
#include "views/OVAnzeige.h"
#include "views/TTagesliste.h"
#include "window/TForm1.h"

namespace {

constexpr const char* KeineFeiertage =
    "Es sind keine Feiertage vorhanden!\r\nBitte laden Sie eine Feiertagsdatei.";

// The record of the calendar's own entry that a preview line's copy shows. Its line is found by
// it, not by the copy's line text: a counter numbers the record by its place in the entry, the
// copy's one record by 0.
TTagClass Urbild(const TDaten& ADaten, const TDatenClass& AKopie) {
    const std::int32_t Nr = ADaten.FindeDatenClassNr(AKopie);
    if (Nr < 0) {
        return {};
    }
    const TDatenClass& Eintrag = ADaten[Nr];
    return {Eintrag.FindeIdentDatumClassNr(AKopie.DatumListe[0]), &Eintrag};
}

} // namespace

TInfosBefehle::TInfosBefehle(const TDaten& ADaten, TTagesliste& ATagesliste, TTageslisteSteuerung& ASteuerung,
                             TInfosTexte& ATexte, TInfosFenster& AFenster, TSystemKlang& ASystemKlang)
    : Form(ASystemKlang), FDaten(ADaten), FTagesliste(ATagesliste), FSteuerung(ASteuerung), FTexte(ATexte),
      FFenster(AFenster) {}

TInfosErgebnis TInfosBefehle::Zeigen() {
    const TInfosErgebnis Ergebnis = FFenster.InfosZeigen(Form);
    if (Ergebnis == ieBeenden) {
        FFenster.HauptfensterSchliessen();
    }
    return Ergebnis;
}

void TInfosBefehle::MenuAktInfosClick() {
    const std::string Zeile = FTagesliste.AktZeile();
    if (Zeile.empty()) {
        return;
    }
    const std::string Text = FTexte.InfosInText(FTagesliste.AktTagClass(), DatumAusZeile(Zeile));
    Form.InfosEinrichten(Text, FTexte.SounddateienSl);
    Zeigen();
}

void TInfosBefehle::VorschauAnzeigen(int ATage, TVorschauAnlass AAnlass) {
    TVorschauListe Liste = FTexte.VorschauInText(FDaten, ATage);
    const bool EreignisseS = std::any_of(Liste.begin(), Liste.end(),
                                         [](const TVorschauZeile& z) { return z.DatenClass != nullptr; });
    if (!EreignisseS && AAnlass != vaMenue) {
        if (AAnlass == vaSystemstart) {
            FFenster.HauptfensterSchliessen();
        }
        return;
    }
    Form.VorschauEinrichten(ATage, std::move(Liste), FTexte.SounddateienSl);
    if (Zeigen() != ieAlle) {
        return;
    }
    // The line's copy holds just the day record the preview line stands for.
    if (const TDatenClass* Kopie = Form.Eintrag(Form.AktZeile); Kopie != nullptr && Kopie->Count() > 0) {
        FTagesliste.SpringeZuEintrag(Kopie->DatumListe[0].Datum, Urbild(FDaten, *Kopie));
    }
}

std::optional<int> TInfosBefehle::UeberblickJahr(const std::string& APeriodenName) {
    if (APeriodenName.size() < 4) {
        return std::nullopt;
    }
    const std::string Ende = APeriodenName.substr(APeriodenName.size() - 4);
    if (!std::all_of(Ende.begin(), Ende.end(), [](unsigned char c) { return std::isdigit(c) != 0; })) {
        return std::nullopt;
    }
    const int Jahr = std::stoi(Ende);
    if (Jahr < DecodeDate(KalenderAnfang).Jahr || Jahr > DecodeDate(KalenderEnde).Jahr) {
        return std::nullopt;
    }
    return Jahr;
}

std::optional<int> TInfosBefehle::AktJahr() {
    const std::int32_t Nr = FSteuerung.PeriodenIndex();
    std::optional<int> Jahr;
    if (Nr >= 0 && Nr < FTagesliste.Perioden().Count()) {
        Jahr = UeberblickJahr(FTagesliste.Perioden()[Nr].Name);
    }
    if (!Jahr) {
        FSteuerung.Piep();
    }
    return Jahr;
}

void TInfosBefehle::MenuExtMondphasenClick() {
    const std::optional<int> Jahr = AktJahr();
    if (!Jahr) {
        return;
    }
    Form.UeberblickEinrichten("Mondphasen des Jahres " + std::to_string(*Jahr) + " im Überblick",
                              TInfosForm::HilfeMondphasen, FTexte.MondphasenInText(*Jahr));
    Zeigen();
}

void TInfosBefehle::MenuExtFeiertageClick() {
    const std::optional<int> Jahr = AktJahr();
    if (!Jahr) {
        return;
    }
    std::string Text = TInfosTexte::FeiertageInText(FDaten, *Jahr);
    if (Text.empty()) {
        Frage(maInformation, KeineFeiertage, mkOK);
        return;
    }
    Form.UeberblickEinrichten("Feiertage des Jahres " + std::to_string(*Jahr) + " im Überblick",
                              TInfosForm::HilfeFeiertage, std::move(Text));
    Zeigen();
}

void TInfosBefehle::MenuExtKalendertageClick() {
    Form.UeberblickEinrichten("Angezeigte Kalendertage im Überblick", TInfosForm::HilfeKalendertage,
                              TInfosTexte::KalenderInText(FTagesliste.DisplayItems()));
    Zeigen();
}

std::span<const TBefehl<TForm1>> TInfosBefehle::Befehle() {
    using B = TBefehl<TForm1>;
    static constexpr auto MitFenster = [](const TForm1& f) { return TMenueZustand{f.Infos() != nullptr}; };
    static const B Tabelle[] = {
        {{.Id = mbInfos, .Caption = "&Infos...", .Kurztaste = "Ctrl+I", .Menue = mnAktionen},
         [](const TForm1& f) {
             return TMenueZustand{f.Infos() != nullptr && !f.Tagesliste.AktZeile().empty() &&
                                  f.ZeilenHatFokus()};
         },
         [](TForm1& f) { f.Infos()->MenuAktInfosClick(); }},
        {{.Id = mbVorschauHeute, .Caption = "V&orschau von heute", .Kurztaste = "F4", .Menue = mnAktionen},
         MitFenster,
         [](TForm1& f) { f.Infos()->VorschauAnzeigen(0, vaMenue); }},
        {{.Id = mbVorschauTage,
          .Caption = "Vo&rschau der nächsten Tage",
          .Kurztaste = "F8",
          .Menue = mnAktionen},
         MitFenster,
         [](TForm1& f) { f.Infos()->VorschauAnzeigen(f.Vorschautage(), vaMenue); }},
        {{.Id = mbMondUeberblick, .Caption = "Mondphasen im Überblick...", .Menue = mnExtras},
         MitFenster,
         [](TForm1& f) { f.Infos()->MenuExtMondphasenClick(); }},
        {{.Id = mbFeiertageUeberblick, .Caption = "Feiertage im Überblick...", .Menue = mnExtras},
         [](const TForm1& f) { return TMenueZustand{f.Infos() != nullptr && f.Daten.Count() > 0}; },
         [](TForm1& f) { f.Infos()->MenuExtFeiertageClick(); }},
        {{.Id = mbKalendertageUeberblick,
          .Caption = "Angezeigte &Kalendertage im Überblick...",
          .Kurztaste = "F9",
          .Menue = mnExtras},
         MitFenster,
         [](TForm1& f) { f.Infos()->MenuExtKalendertageClick(); }},
    };
    return Tabelle;
}
