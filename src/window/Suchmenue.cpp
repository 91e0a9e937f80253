#include "window/Suchmenue.h"

#include "window/TForm1.h"

std::span<const TBefehl<TForm1>> SuchmenueBefehle() {
    using B = TBefehl<TForm1>;
    static const B Tabelle[] = {
        {{.Id = mbSuchen, .Caption = "&Text in Einträgen...", .Kurztaste = "Ctrl+F", .Menue = mnSuchen},
         [](const TForm1& f) {
             return TMenueZustand{f.Suche() != nullptr && f.Suche()->SuchenMenuUpdate().SuchenS};
         },
         [](TForm1& f) { f.Suche()->MenuSuchenSuchenClick(); }},
        {{.Id = mbSuchenWeiter,
          .Caption = "Suche &weiter Text in Einträgen",
          .Kurztaste = "F3",
          .Menue = mnSuchen},
         [](const TForm1& f) {
             return TMenueZustand{f.Suche() != nullptr && f.Suche()->SuchenMenuUpdate().WeiterS};
         },
         [](TForm1& f) { f.Suche()->MenuSuchenWeiterClick(); }},
        {{.Id = mbNamenstag, .Caption = "&Namenstag...", .Menue = mnSuchen},
         [](const TForm1& f) { return TMenueZustand{f.Suche() != nullptr}; },
         [](TForm1& f) { f.Suche()->MenuSuchenNamenstagClick(); }},
    };
    return Tabelle;
}
