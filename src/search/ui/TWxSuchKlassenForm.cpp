#include "search/ui/TWxSuchKlassenForm.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "controls/ui/GtkZugang.h"
#include "controls/ui/TextMenue.h"
#include "controls/ui/WxText.h"
#include "info/RemoveAmpersands.h"
#include "search/TSuchKlassenForm.h"

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

namespace {

// The screen reader reads a line's description after the line, so the user hears the found entry
// and then its information without leaving the list; the next key cuts it short.
void ZeileBeschreiben(wxListBox& AListe, int ANr, const wxString& ABeschreibung) {
#ifdef __WXGTK__
    AtkObject* Tabelle = gtk_widget_get_accessible(GTK_WIDGET(AListe.m_treeview));
    if (AtkObject* Zelle = atk_table_ref_at(ATK_TABLE(Tabelle), ANr, 0)) {
        atk_object_set_description(Zelle, ABeschreibung.utf8_str());
        g_object_unref(Zelle);
    }
#else
    (void)AListe;
    (void)ANr;
    (void)ABeschreibung;
#endif
}

} // namespace

TWxSuchKlassenForm::TWxSuchKlassenForm(wxWindow* AOwner, TTolkSRD& ATolk, const TSchrift& AAktFont,
                                       const TFarbe& AAktBackColor, TInfosTexte& AInfos)
    : TWxDialog(AOwner, TSuchKlassenForm::Caption, ATolk, AAktFont, AAktBackColor), FInfos(AInfos) {
    Label1 = new wxStaticText(this, wxID_ANY, "");
    ListBox1 = new wxListBox(this, wxID_ANY);
    Label2 = new wxStaticText(this, wxID_ANY, "");
    RichEdit1 = new wxTextCtrl(this, wxID_ANY, "", wxDefaultPosition, wxDefaultSize,
                               wxTE_MULTILINE | wxTE_READONLY | wxVSCROLL);
    Button1 = new wxButton(this, wxID_OK, "");
    Button2 = new wxButton(this, wxID_CANCEL, "");
    Button1->SetDefault();
    CaptionZuweisen();
    FeldAnsage(*ListBox1, [] { return TSuchKlassenForm::ListeAnsage(); });
    ListBox1->Bind(wxEVT_LISTBOX, [this](wxCommandEvent&) { InfosAnzeigen(); });
    RichEdit1->Bind(wxEVT_CONTEXT_MENU, [this](wxContextMenuEvent&) {
        TextMenueZeigen(*RichEdit1, TSuchKlassenForm::AllesMarkierenCaption,
                        TSuchKlassenForm::KopierenCaption);
    });
}

void TWxSuchKlassenForm::CaptionZuweisen() {
    Label1->SetLabel(Wx(TSuchKlassenForm::ListeCaption));
    Label2->SetLabel(Wx(TSuchKlassenForm::InfosCaption));
    Button1->SetLabel(Wx(TSuchKlassenForm::OkCaption));
    Button2->SetLabel(Wx(TSuchKlassenForm::CancelCaption));
    // GTK names the list's scroll pane after the label, not the list.
    ListeZugaenglich(*ListBox1, RemoveAmpersands(TSuchKlassenForm::ListeCaption));
}

bool TWxSuchKlassenForm::Ausfuehren(TSuchKlassenForm& AForm) {
    FForm = &AForm;
    const bool OkS = ModalAusfuehren() == wxID_OK;
    AForm.ItemIndex = ListBox1->GetSelection();
    FForm = nullptr;
    return OkS;
}

void TWxSuchKlassenForm::SchalterEinrichten() {
    const wxSize Owner = GetParent() != nullptr ? GetParent()->GetSize() : wxSize(800, 600);
    // Widths measured in the user font: GTK reports the sizes of the font the labels were made with.
    const int LabelBreite = std::max(Breite(RemoveAmpersands(TSuchKlassenForm::ListeCaption)),
                                     Breite(RemoveAmpersands(TSuchKlassenForm::InfosCaption)));
    const auto Lage = TSuchKlassenForm::Layout(
        {Owner.x, Owner.y, LabelBreite, Label1->GetBestSize().y, FSchalter.x, FSchalter.y});
    Setze(*Label1, Lage.ListeLabel);
    Setze(*ListBox1, Lage.Liste);
    Setze(*Label2, Lage.InfosLabel);
    Setze(*RichEdit1, Lage.Infos);
    Setze(*Button1, Lage.Ok);
    Setze(*Button2, Lage.Abbrechen);
    ClientGroesse(Lage.ClientWidth, Lage.ClientHeight);
}

void TWxSuchKlassenForm::BeimZeigen() {
    wxArrayString Zeilen;
    for (const TSuchTreffer& Treffer : FForm->Results()) {
        Zeilen.push_back(Wx(Treffer.Zeile));
    }
    ListeErsetzen(*ListBox1, Zeilen);
    if (FForm->ItemIndex >= 0 && FForm->ItemIndex < static_cast<int>(Zeilen.size())) {
        ListBox1->SetSelection(FForm->ItemIndex);
        ListenCursorSetzen(*ListBox1, FForm->ItemIndex);
    }
    InfosAnzeigen();
    ListBox1->SetFocus();
}

void TWxSuchKlassenForm::InfosAnzeigen() {
    if (FForm == nullptr) {
        return;
    }
    FForm->ItemIndex = ListBox1->GetSelection();
    const wxString Infos = WxZeilen(FForm->InfosText(FInfos));
    RichEdit1->ChangeValue(Infos);
    RichEdit1->SetInsertionPoint(0);
    if (FForm->ItemIndex >= 0) {
        ZeileBeschreiben(*ListBox1, FForm->ItemIndex, Infos);
    }
}
