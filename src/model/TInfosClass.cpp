#include "model/TInfosClass.h"

#include "model/Uhr.h"

TInfosClass::TInfosClass() : EndeDatum(TUhr::Heute()) {}

void TInfosClass::ClearInfos() {
    *this = TInfosClass();
}

void TInfosClass::AssignInfos(const TInfosClass& AInfos) {
    *this = AInfos;
}

bool TInfosClass::IdentInfos(const TInfosClass* AInfos, bool AImportS) const {
    if (AInfos == nullptr || AnzeigenTyp != AInfos->AnzeigenTyp) {
        return false;
    }
    if (AImportS) {
        if (IdDatei != 0) {
            return false;
        }
    } else if (CounterS != AInfos->CounterS || CounterStart != AInfos->CounterStart ||
               EndeDatum != AInfos->EndeDatum || Id != AInfos->Id || IdDatei != AInfos->IdDatei ||
               Sounddatei != AInfos->Sounddatei || SounddateiS != AInfos->SounddateiS) {
        return false;
    }
    return Kurztext == AInfos->Kurztext && Langtext == AInfos->Langtext && TagTyp == AInfos->TagTyp;
}
