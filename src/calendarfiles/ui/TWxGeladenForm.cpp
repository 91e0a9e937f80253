#include "calendarfiles/ui/TWxGeladenForm.h"

#include <wx/button.h>
#include <wx/listbox.h>

#include "calendarfiles/TGeladenForm.h"
#include "controls/ui/GtkZugang.h"
#include "controls/ui/WxText.h"

TWxGeladenForm::TWxGeladenForm(wxWindow* AOwner, TTolkSRD& ATolk, TSchriftRef AAktFont,
                               TFarbeRef AAktBackColor)
    : TWxDialog(AOwner, TGeladenForm::Caption, ATolk, AAktFont, AAktBackColor) {
    ListBox1 = new wxListBox(this, wxID_ANY);
    Button1 = new wxButton(this, wxID_ANY, "");
    Button2 = new wxButton(this, wxID_CANCEL, "");
    Button2->SetDefault();
    CaptionZuweisen();
    FMeldungen.Besitzer = [this] { return static_cast<wxWindow*>(this); };
    Button1->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Entfernen(); });
    ListBox1->Bind(wxEVT_KEY_DOWN, &TWxGeladenForm::OnListeTaste, this);
}

void TWxGeladenForm::CaptionZuweisen() {
    Button1->SetLabel(Wx(TGeladenForm::EntfernenCaption));
    Button2->SetLabel(Wx(TGeladenForm::SchliessenCaption));
    // The list has no label of its own: the dialog's title names it.
    ListeZugaenglich(*ListBox1, "Geladene Dateien");
}

bool TWxGeladenForm::Ausfuehren(TDaten& ADaten, TGeladenClass& AGeladen) {
    TGeladenForm Form(ADaten, AGeladen);
    FForm = &Form;
    FEntferntS = false;
    ModalAusfuehren();
    FForm = nullptr;
    return FEntferntS;
}

void TWxGeladenForm::SchalterEinrichten() {
    const auto Lage = TGeladenForm::Layout({FSchalter.x, FSchalter.y});
    Setze(*ListBox1, Lage.Liste);
    Setze(*Button1, Lage.Entfernen);
    Setze(*Button2, Lage.Schliessen);
    ClientGroesse(Lage.ClientWidth, Lage.ClientHeight);
}

void TWxGeladenForm::BeimZeigen() {
    ListeFuellen();
    ListBox1->SetFocus();
}

void TWxGeladenForm::ListeFuellen() {
    wxArrayString Zeilen;
    for (const std::string& Zeile : FForm->Zeilen()) {
        Zeilen.push_back(Wx(Zeile));
    }
    ListBox1->Set(Zeilen);
    if (!Zeilen.empty()) {
        ListBox1->SetSelection(0);
        ListenCursorSetzen(*ListBox1, 0);
    }
    Button1->Enable(FForm->EntfernenErlaubt());
}

void TWxGeladenForm::Entfernen() {
    if (FForm == nullptr || !FForm->Entfernen(ListBox1->GetSelection(), FMeldungen)) {
        return;
    }
    FEntferntS = true;
    ListeFuellen();
    ListBox1->SetFocus();
}

void TWxGeladenForm::OnListeTaste(wxKeyEvent& AEvent) {
    const int Taste = AEvent.GetKeyCode();
    if ((Taste == WXK_DELETE || Taste == WXK_NUMPAD_DELETE) && !AEvent.HasAnyModifiers() &&
        Button1->IsEnabled()) {
        Entfernen();
        return;
    }
    AEvent.Skip();
}
