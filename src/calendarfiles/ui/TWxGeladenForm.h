#pragma once

// The dialog of the additionally loaded files: their list, "&Entfernen" (also Del in the list)
// and "S&chließen". Created once by the main window and run again for every use:
//
//     TWxGeladenForm Geladen(Frame, Tolk, AktFont, AktBackColor);
//     if (Geladen.Ausfuehren(Daten, Geladen)) { /* files were removed: rebuild the lines */ }

#include "calendarfiles/TDateiBefehle.h"
#include "controls/ui/TWxDialog.h"
#include "controls/ui/TWxMeldungsPort.h"

class TDaten;
class TGeladenClass;
class TGeladenForm;
class wxButton;
class wxListBox;

class TWxGeladenForm : public TWxDialog, public TGeladenDialog {
public:
    TWxGeladenForm(wxWindow* AOwner, TTolkSRD& ATolk, TSchriftRef AAktFont, TFarbeRef AAktBackColor);

    // Lists the files registered in AGeladen; removing one takes its entries out of ADaten. True
    // when at least one file was removed.
    bool Ausfuehren(TDaten& ADaten, TGeladenClass& AGeladen);
    // TGeladenDialog: the file commands compare the registry before and after.
    void GeladenZeigen(TDaten& ADaten, TGeladenClass& AGeladen) override { Ausfuehren(ADaten, AGeladen); }

private:
    void CaptionZuweisen();
    void SchalterEinrichten() override;
    void BeimZeigen() override;
    void ListeFuellen();
    void Entfernen();
    void OnListeTaste(wxKeyEvent& AEvent);

    wxListBox* ListBox1 = nullptr;
    wxButton* Button1 = nullptr;
    wxButton* Button2 = nullptr;
    // The behaviour of the current run.
    TGeladenForm* FForm = nullptr;
    bool FEntferntS = false;
    // The question asks over this dialog.
    TWxMeldungsPort FMeldungen;
};
