#include "model/TSpeicherstand.h"

#include "model/TDaten.h"

TSpeicherstand::TSpeicherstand() : FVollkopie(std::make_unique<TDaten>()) {}

TSpeicherstand::~TSpeicherstand() = default;

void TSpeicherstand::Setzen(const TDaten& ADaten) {
    FVorher.clear();
    FEntfernt.clear();
    FNeu.clear();
    if (FVollkopieS) {
        FVollkopie = std::make_unique<TDaten>(ADaten);
    }
}

void TSpeicherstand::VorAenderung(const TDatenClass& AEintrag) {
    if (FNeu.contains(&AEintrag) || FVorher.contains(&AEintrag)) {
        return;
    }
    FVorher.emplace(&AEintrag,
                    TDaten::Verglichen(AEintrag) ? std::make_unique<TDatenClass>(AEintrag) : nullptr);
}

bool TSpeicherstand::StandAblegen(const TDatenClass& AEintrag) {
    if (FNeu.erase(&AEintrag) > 0) {
        return true;
    }
    const auto Vorher = FVorher.find(&AEintrag);
    if (Vorher == FVorher.end()) {
        return false;
    }
    if (Vorher->second != nullptr) {
        FEntfernt.push_back(std::move(Vorher->second));
    }
    FVorher.erase(Vorher);
    return true;
}

void TSpeicherstand::Entfernt(std::unique_ptr<TDatenClass> AEintrag) {
    if (!StandAblegen(*AEintrag) && TDaten::Verglichen(*AEintrag)) {
        FEntfernt.push_back(std::move(AEintrag));
    }
}

void TSpeicherstand::Abgegeben(const TDatenClass& AEintrag) {
    if (!StandAblegen(AEintrag) && TDaten::Verglichen(AEintrag)) {
        FEntfernt.push_back(std::make_unique<TDatenClass>(AEintrag));
    }
}

std::vector<const TDatenClass*> TSpeicherstand::GespeicherteEintraege(const TDaten& ADaten) const {
    std::vector<const TDatenClass*> Gespeichert;
    Gespeichert.reserve(static_cast<std::size_t>(ADaten.Count()) + FEntfernt.size());
    for (const TDatenClass& e : ADaten.Eintraege()) {
        if (FNeu.contains(&e)) {
            continue;
        }
        const auto Vorher = FVorher.find(&e);
        if (Vorher == FVorher.end()) {
            Gespeichert.push_back(&e);
        } else if (Vorher->second != nullptr) {
            Gespeichert.push_back(Vorher->second.get());
        }
    }
    for (const auto& e : FEntfernt) {
        Gespeichert.push_back(e.get());
    }
    return Gespeichert;
}
