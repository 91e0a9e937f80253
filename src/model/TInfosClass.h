#pragma once

// The attributes of a calendar entry, everything but its day records.

#include <cstdint>
#include <string>

#include "model/Kalenderdatum.h"
#include "model/ResConst.h"

class TInfosClass {
public:
    TAnzeigenTyp AnzeigenTyp = atEinmalig;
    bool CounterS = false;
    std::int32_t CounterStart = 0;
    TTag EndeDatum = 0; // calendar limit: later occurrences stay stored but are never shown
    std::int32_t Id = 0;
    std::int32_t IdDatei = 0; // 0 = main calendar file, n > 0 = the loaded file registered as n
    std::string Kurztext;
    std::string Langtext;
    std::string Sounddatei;
    bool SounddateiS = false;
    TTagTyp TagTyp = ttTermin;

    // Defaults; the limit is today.
    TInfosClass();

    void ClearInfos();
    // Copies every attribute, the limit and both ids included.
    void AssignInfos(const TInfosClass& AInfos);
    // Attribute equality. With AImportS false every attribute counts; with AImportS true only
    // interval, texts and type count, and this entry must belong to the main file.
    bool IdentInfos(const TInfosClass* AInfos, bool AImportS) const;
};
