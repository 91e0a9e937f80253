#include "info/ui/TWxInfosForm.h"

#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/display.h>
#include <wx/menu.h>
#include <wx/settings.h>
#include <wx/textctrl.h>

#include "controls/ui/GtkZugang.h"
#include "controls/ui/WxSchrift.h"
#include "controls/ui/WxText.h"
#include "platform/MediaPlayer.h"

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

namespace {

// The caret stays on in the read-only panes: a GTK text view without it scrolls on the arrow keys
// instead of moving from line to line, and the screen reader then has no line to read.
// AUmbrechenS: long lines wrap at word ends; otherwise they run on under the horizontal scroll bar,
// so that the pane's lines are the text's lines.
void PaneEinrichten(wxTextCtrl& APane, bool AUmbrechenS) {
#ifdef __WXGTK__
    GtkTextView* Ansicht = GTK_TEXT_VIEW(APane.GetConnectWidget());
    gtk_text_view_set_cursor_visible(Ansicht, TRUE);
    gtk_text_view_set_wrap_mode(Ansicht, AUmbrechenS ? GTK_WRAP_WORD : GTK_WRAP_NONE);
#else
    long Stil = APane.GetWindowStyleFlag() & ~(wxTE_DONTWRAP | wxTE_WORDWRAP);
    APane.SetWindowStyleFlag(Stil | (AUmbrechenS ? wxTE_WORDWRAP : wxTE_DONTWRAP));
#endif
}

enum TMenueId : int { idAllesMarkieren = wxID_HIGHEST + 1, idKopieren, idSpeichern, idDrucken };

} // namespace

TWxInfosForm::TWxInfosForm(wxWindow* AOwner, TTolkSRD& ATolk, const TSchrift& AAktFont,
                           const TFarbe& AAktBackColor, TDateiDialog& ADateiDialog)
    : TWxDialog(AOwner, "Informationen", ATolk, AAktFont, AAktBackColor), Timer1(this),
      MediaPlayer1(SystemMediaPlayer()), FDateiDialog(ADateiDialog) {
    const long Stil = wxTE_MULTILINE | wxTE_READONLY | wxTE_NOHIDESEL;
    RichEdit1 = new wxTextCtrl(this, wxID_ANY, "", wxDefaultPosition, wxDefaultSize, Stil | wxHSCROLL);
    RichEdit2 = new wxTextCtrl(this, wxID_ANY, "", wxDefaultPosition, wxDefaultSize, Stil);
    Button1 = new wxButton(this, wxID_CANCEL, "");
    Button2 = new wxButton(this, wxID_ABORT, "");
    Button1->SetDefault();
    SetEscapeId(wxID_CANCEL);
    CaptionZuweisen();
    Button1->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Beenden(wxID_CANCEL); });
    Button2->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Beenden(wxID_ABORT); });
    for (wxTextCtrl* Pane : {RichEdit1, RichEdit2}) {
        FokusSofortMelden(*Pane);
        Pane->Bind(wxEVT_CONTEXT_MENU, [this](wxContextMenuEvent&) { Kontextmenue(); });
    }
    Bind(wxEVT_TIMER, &TWxInfosForm::OnTimer1, this);
}

TWxInfosForm::~TWxInfosForm() {
    Timer1.Stop();
}

void TWxInfosForm::CaptionZuweisen() {
    Button1->SetLabel(Wx(TInfosForm::SchliessenCaption));
    Button2->SetLabel(Wx(TInfosForm::BeendenCaption));
}

TInfosErgebnis TWxInfosForm::InfosZeigen(TInfosForm& AForm) {
    FForm = &AForm;
    SetTitle(Wx(AForm.Caption));
    const int Code = ModalAusfuehren();
    Timer1.Stop();
    AForm.FormClose(*MediaPlayer1);
    FForm = nullptr;
    switch (Code) {
    case wxID_ABORT:
        return ieBeenden;
    case wxID_YESTOALL:
        return ieAlle;
    default:
        return ieSchliessen;
    }
}

void TWxInfosForm::HauptfensterSchliessen() {
    if (GetParent() != nullptr) {
        GetParent()->Close();
    }
}

void TWxInfosForm::SchalterEinrichten() {
    RichEdit2->Show(FForm->ZweiFensterS);
    Button2->Show(FForm->BeendenS);
    wxClientDC Dc(this);
    Dc.SetFont(WxFont(FAktFont));
    const wxSize M = Dc.GetTextExtent("M");
    const wxSize Ag = Dc.GetTextExtent("Ag");
    const int Nr = wxDisplay::GetFromWindow(GetParent() != nullptr ? GetParent() : this);
    const wxRect Bereich = wxDisplay(Nr == wxNOT_FOUND ? 0u : static_cast<unsigned>(Nr)).GetClientArea();
    TInfosForm::TMasse Masse;
    Masse.MBreite = M.x;
    Masse.ZeilenHoehe = Ag.y;
    Masse.SchalterBreite = FSchalter.x;
    Masse.SchalterHoehe = FSchalter.y;
    Masse.ScrollHoehe = wxSystemSettings::GetMetric(wxSYS_HSCROLL_Y, this);
    Masse.ArbeitsBreite = Bereich.width;
    Masse.ArbeitsHoehe = Bereich.height;
    const TInfosForm::TLage Lage = FForm->Layout(Masse);
    Setze(*RichEdit1, Lage.Pane1);
    Setze(*RichEdit2, Lage.Pane2);
    Setze(*Button1, Lage.Schliessen);
    Setze(*Button2, Lage.Beenden);
    ClientGroesse(Lage.ClientWidth, Lage.ClientHeight);
}

void TWxInfosForm::BeimZeigen() {
    // In the preview each pane line is one preview line, the event lines' numbers counting from 0.
    PaneEinrichten(*RichEdit1, !FForm->VorschauS);
    PaneEinrichten(*RichEdit2, true);
    TextZeigen(*RichEdit1, FForm->Text1);
    TextZeigen(*RichEdit2, FForm->Text2);
    RichEdit1->SetInsertionPoint(0);
    RichEdit2->SetInsertionPoint(0);
    RichEdit1->SetFocus();
    if (FForm->FormShow()) {
        Timer1.Start(TInfosForm::SoundTakt);
    }
}

void TWxInfosForm::OnTimer1(wxTimerEvent&) {
    if (FForm == nullptr || !FForm->Timer1Timer(*MediaPlayer1, IsShown())) {
        Timer1.Stop();
    }
}

void TWxInfosForm::Beenden(int ACode) {
    if (FForm != nullptr) {
        FForm->StopS = true;
    }
    EndModal(ACode);
}

int TWxInfosForm::FokusPane() const {
    const wxWindow* Fokus = FindFocus();
    return Fokus == RichEdit1 ? 1 : Fokus == RichEdit2 ? 2 : 0;
}

wxTextCtrl& TWxInfosForm::Pane(int ANr) const {
    return ANr == 2 ? *RichEdit2 : *RichEdit1;
}

int TWxInfosForm::AktZeile() const {
    long Spalte = 0;
    long Zeile = 0;
    return RichEdit1->PositionToXY(RichEdit1->GetInsertionPoint(), &Spalte, &Zeile) ? static_cast<int>(Zeile)
                                                                                    : -1;
}

bool TWxInfosForm::EigeneTaste(wxKeyEvent& AEvent) {
    if (FForm == nullptr) {
        return false;
    }
    const int Taste = AEvent.GetKeyCode();
    const int Umschalt = AEvent.GetModifiers();
    const int Pane = FokusPane();
    if (Umschalt == wxMOD_NONE && Taste == WXK_ESCAPE) {
        if (FForm->EscapeTaste(*MediaPlayer1)) {
            EndModal(wxID_CANCEL);
        }
        return true;
    }
    if (Pane == 0) {
        return false;
    }
    if (Umschalt == wxMOD_NONE && (Taste == WXK_RETURN || Taste == WXK_NUMPAD_ENTER)) {
        if (FForm->EnterTaste(Pane == 1 ? AktZeile() : -1)) {
            EndModal(wxID_YESTOALL);
        }
        return true;
    }
    const TInfosForm::TMenue Menue = TInfosForm::Kontextmenue(true, FForm->PaneText(Pane), false);
    if (Umschalt == wxMOD_CONTROL && Taste == 'U') {
        if (Menue.SpeichernS) {
            SpeichernUnter(Pane);
        }
        return true;
    }
    if (Umschalt == wxMOD_CONTROL && Taste == 'P') {
        if (Menue.DruckenS && Drucken) {
            DruckenPane(Pane);
        }
        return true;
    }
    return false;
}

void TWxInfosForm::Kontextmenue() {
    const int Nr = FokusPane();
    if (Nr == 0 || FForm == nullptr) {
        return;
    }
    wxTextCtrl& Fenster = Pane(Nr);
    long Von = 0;
    long Bis = 0;
    Fenster.GetSelection(&Von, &Bis);
    const TInfosForm::TMenue Zustand = TInfosForm::Kontextmenue(true, FForm->PaneText(Nr), Von != Bis);
    wxMenu Menue;
    Menue.Append(idAllesMarkieren, Wx(std::string(TInfosForm::AllesMarkierenCaption) + "\tCtrl+A"))
        ->Enable(Zustand.AllesMarkierenS);
    Menue.Append(idKopieren, Wx(std::string(TInfosForm::KopierenCaption) + "\tCtrl+C"))
        ->Enable(Zustand.KopierenS);
    Menue.Append(idSpeichern, Wx(std::string(TInfosForm::SpeichernCaption) + "\tCtrl+U"))
        ->Enable(Zustand.SpeichernS);
    if (Drucken) {
        Menue.Append(idDrucken, Wx(std::string(TInfosForm::DruckenCaption) + "\tCtrl+P"))
            ->Enable(Zustand.DruckenS);
    }
    switch (Fenster.GetPopupMenuSelectionFromUser(Menue)) {
    case idAllesMarkieren:
        Fenster.SetFocus();
        Fenster.SelectAll();
        break;
    case idKopieren:
        Fenster.SetFocus();
        Fenster.Copy();
        break;
    case idSpeichern:
        SpeichernUnter(Nr);
        break;
    case idDrucken:
        DruckenPane(Nr);
        break;
    default:
        break;
    }
}

void TWxInfosForm::SpeichernUnter(int APane) {
    FForm->SpeichernUnter(FDateiDialog, APane, FAktFont);
    Pane(APane).SetFocus();
}

void TWxInfosForm::DruckenPane(int APane) {
    Drucken(*this, FForm->PaneText(APane), "Drucke " + FForm->Caption);
    Pane(APane).SetFocus();
}
