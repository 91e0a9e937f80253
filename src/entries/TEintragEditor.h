#pragma once

// The entry editor as the entry commands use it: shown modally, set up for a new entry or for one
// occurrence of an existing entry. The window implements it with the editor dialog; tests fake it.

#include "model/Kalenderdatum.h"
#include "model/TTagClass.h"

class TDaten;

class TEintragEditor {
public:
    virtual ~TEintragEditor() = default;
    // A new entry starting on AVon; ARefDaten for the duplicate short-text question. True when
    // the user confirmed the editor's final question; Datensatz then holds the entry.
    virtual bool Neu(const TDaten& ARefDaten, TTag AVon) = 0;
    // The occurrence of record ATagClass.DatumNr, whose first day may move within AVonMin..AVonMax;
    // the interval can be changed only when AEinzigerLaufS. True when the user confirmed; then
    // Datensatz, ModifyNr, AktuellerS and AlleS tell what to apply.
    virtual bool Bearbeiten(const TDaten& ARefDaten, const TTagClass& ATagClass, TTag AVonMin, TTag AVonMax,
                            bool AEinzigerLaufS) = 0;
    // The entry read from the editor: its attributes and one day record, the first of the
    // occurrence. Refers to the editor's own entry, valid until the next call.
    virtual TTagClass Datensatz() = 0;
    // 1: attributes only, 2: time or a flag of the occurrence, 3: its first or last day.
    virtual int ModifyNr() = 0;
    // The answers to the question about the other occurrences: this one only, or all of them.
    virtual bool AktuellerS() const = 0;
    virtual bool AlleS() const = 0;
};
