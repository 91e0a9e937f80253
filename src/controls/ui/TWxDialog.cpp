#include "controls/ui/TWxDialog.h"

#include <utility>

#include <wx/button.h>
#include <wx/display.h>

#include "controls/TFensterMasse.h"
#include "controls/TModalKlammer.h"
#include "controls/ui/WxFensterStil.h"
#include "controls/ui/WxSchrift.h"
#include "controls/ui/WxText.h"
#include "speech/TolkSRD.h"

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

namespace {

// GTK gives a dialog the role of a frame, and Orca then says "Rahmen" instead of "Dialog".
void DialogRolle(wxDialog& ADialog) {
#ifdef __WXGTK__
    atk_object_set_role(gtk_widget_get_accessible(static_cast<GtkWidget*>(ADialog.GetHandle())),
                        ATK_ROLE_DIALOG);
#else
    (void)ADialog;
#endif
}

TRechteck Rechteck(const wxRect& ARect) {
    return {ARect.x, ARect.y, ARect.width, ARect.height};
}

std::function<void()>& Hilfe() {
    static std::function<void()> Befehl;
    return Befehl;
}

} // namespace

TWxDialog::TWxDialog(wxWindow* AOwner, const std::string& ACaption, TTolkSRD& ATolk, TSchriftRef AAktFont,
                     TFarbeRef AAktBackColor)
    : wxDialog(AOwner, wxID_ANY, Wx(ACaption), wxDefaultPosition, wxDefaultSize, wxDEFAULT_DIALOG_STYLE),
      FTolk(ATolk), FAktFont(AAktFont.get()), FAktBackColor(AAktBackColor.get()) {
    DialogRolle(*this);
    Bind(wxEVT_CHAR_HOOK, &TWxDialog::OnCharHook, this);
}

int TWxDialog::ModalAusfuehren() {
    SchriftartZuweisen();
    BeimZeigen();
    TModalKlammer Klammer;
    return ShowModal();
}

int TWxDialog::MinSchalterBreite() const {
    return TFensterMasse::MinSchalterBreite;
}

void TWxDialog::SchriftartZuweisen() {
    FormSchriftZuweisen(*this, FAktFont, FAktBackColor);
    FSchalter = SchalterAngleichen(*this, MinSchalterBreite());
    SchalterEinrichten();
    Zentrieren();
}

void TWxDialog::Zentrieren() {
    const wxSize Groesse = GetSize();
    const wxWindow* Owner = GetParent();
    if (Owner == nullptr) {
        CentreOnScreen();
        return;
    }
    const int Bildschirm = wxDisplay::GetFromWindow(Owner);
    const wxRect Bereich =
        wxDisplay(Bildschirm == wxNOT_FOUND ? 0u : static_cast<unsigned>(Bildschirm)).GetClientArea();
    const TRechteck Lage =
        TFensterMasse::Zentriert(Rechteck(Owner->GetScreenRect()), Groesse.x, Groesse.y, Rechteck(Bereich));
    Move(Lage.Left, Lage.Top);
}

void TWxDialog::FeldAnsage(wxWindow& AFeld, std::function<std::string()> AText) {
    AFeld.Bind(wxEVT_SET_FOCUS, [this, AText = std::move(AText)](wxFocusEvent& AEvent) {
        AEvent.Skip();
        FTolk.Output(AText(), false);
    });
}

void TWxDialog::ClientGroesse(int AWidth, int AHeight) {
    SetClientSize(AWidth, AHeight);
}

void TWxDialog::Setze(wxWindow& AControl, const TRechteck& ARect) {
    AControl.SetSize(ARect.Left, ARect.Top, ARect.Width, ARect.Height);
}

int TWxDialog::Hoehe(const wxWindow& AControl) const {
    return ControlHeight(WxFont(FAktFont), AControl);
}

int TWxDialog::Breite(const std::string& AText) const {
    return CaptionWidth(WxFont(FAktFont), AText);
}

bool TWxDialog::EigeneTaste(wxKeyEvent&) {
    return false;
}

void TWxDialog::HilfeSetzen(std::function<void()> AHilfe) {
    Hilfe() = std::move(AHilfe);
}

void TWxDialog::OnCharHook(wxKeyEvent& AEvent) {
    const int Taste = AEvent.GetKeyCode();
    if (Taste == WXK_F1 && !AEvent.HasAnyModifiers() && Hilfe()) {
        Hilfe()();
        return;
    }
    if (EigeneTaste(AEvent)) {
        return;
    }
    const wxWindow* Fokus = FindFocus();
    if ((Taste != WXK_RETURN && Taste != WXK_NUMPAD_ENTER) || AEvent.HasAnyModifiers() ||
        dynamic_cast<const wxButton*>(Fokus) != nullptr) {
        AEvent.Skip();
        return;
    }
    auto* Standard = dynamic_cast<wxButton*>(GetDefaultItem());
    if (Standard != nullptr && Standard->IsEnabled()) {
        wxCommandEvent Klick(wxEVT_BUTTON, Standard->GetId());
        Klick.SetEventObject(Standard);
        Standard->ProcessWindowEvent(Klick);
    }
}
