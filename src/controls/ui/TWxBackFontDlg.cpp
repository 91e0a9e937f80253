#include "controls/ui/TWxBackFontDlg.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/clipbrd.h>
#include <wx/combobox.h>
#include <wx/fontenum.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "controls/ui/GtkZugang.h"
#include "controls/ui/TWxAllesMarkieren.h"
#include "controls/ui/TextMenue.h"
#include "controls/ui/WxFensterStil.h"
#include "controls/ui/WxSchrift.h"
#include "controls/ui/WxText.h"
#include "info/RemoveAmpersands.h"
#include "model/Textvergleich.h"
#include "speech/TolkSRD.h"

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

namespace {

// The typefaces fontconfig knows, sorted by name as a user looks for them.
std::vector<std::string> Schriftfamilien() {
    std::vector<std::string> Namen;
    for (const wxString& Name : wxFontEnumerator::GetFacenames()) {
        const std::string Utf = Utf8(Name);
        // A name the toolkit could not take back (see SchriftnameZulaessig) is not offered.
        if (SchriftnameZulaessig(Utf)) {
            Namen.push_back(Utf);
        }
    }
    std::sort(Namen.begin(), Namen.end(), [](const std::string& A, const std::string& B) {
        const std::u32string KleinA = Kleinbuchstaben(A);
        const std::u32string KleinB = Kleinbuchstaben(B);
        return KleinA != KleinB ? KleinA < KleinB : A < B;
    });
    Namen.erase(std::unique(Namen.begin(), Namen.end()), Namen.end());
    return Namen;
}

wxArrayString WxListe(const std::vector<std::string>& AZeilen) {
    wxArrayString Liste;
    for (const std::string& Zeile : AZeilen) {
        Liste.push_back(Wx(Zeile));
    }
    return Liste;
}

// The name the screen reader gives a list without a label: its announcement without the value.
std::string FeldName(const std::string& AAnsage) {
    std::string Name = AAnsage;
    while (!Name.empty() && (Name.back() == ' ' || Name.back() == ':')) {
        Name.pop_back();
    }
    return Name;
}

constexpr int TolkMs = 25;

// The preview has no label; without a name Orca would read its role alone.
void VorschauName(wxTextCtrl& AFeld) {
#ifdef __WXGTK__
    atk_object_set_name(gtk_widget_get_accessible(static_cast<GtkWidget*>(AFeld.GetHandle())), "Vorschau");
#else
    AFeld.SetName("Vorschau");
#endif
}

} // namespace

TWxBackFontDlg::TWxBackFontDlg(wxWindow* AOwner, TTolkSRD& ATolk, TSchriftRef AAktFont,
                               TFarbeRef AAktBackColor, TBackFontDlgTexts ATexts)
    : TWxDialog(AOwner, "", ATolk, AAktFont, AAktBackColor),
      FDlg(AAktFont.get(), AAktBackColor.get(), std::move(ATexts)), FFamilien(Schriftfamilien()) {
    // Created in Tab order.
    LvFonts = new wxListBox(this, wxID_ANY);
    LeSizeLabel = new wxStaticText(this, wxID_ANY, "");
    LeSize = new wxSpinCtrl(this, wxID_ANY, "", wxDefaultPosition, wxDefaultSize,
                            wxSP_ARROW_KEYS | wxALIGN_CENTRE_HORIZONTAL, TBackFontDlg::MinGroesse,
                            TBackFontDlg::MaxGroesse, FDlg.StartGroesse());
#ifdef __WXGTK__
    gtk_entry_set_max_length(GTK_ENTRY(LeSize->GetHandle()), TBackFontDlg::MaxGroesseLaenge);
#endif
    CbBold = new wxCheckBox(this, wxID_ANY, "");
    CoBoColors =
        new wxComboBox(this, wxID_ANY, "", wxDefaultPosition, wxDefaultSize, 0, nullptr, wxCB_READONLY);
    CoBoBackColors =
        new wxComboBox(this, wxID_ANY, "", wxDefaultPosition, wxDefaultSize, 0, nullptr, wxCB_READONLY);
    EditTest =
        new wxTextCtrl(this, wxID_ANY, "", wxDefaultPosition, wxDefaultSize, wxTE_READONLY | wxTE_CENTRE);
    Btn1OK = new wxButton(this, wxID_OK, "");
    Btn2Cancel = new wxButton(this, wxID_CANCEL, "");
    Btn1OK->SetDefault();

    CoBoColors->Set(WxListe(FDlg.Colors().FillStringList(false)));
    CoBoBackColors->Set(WxListe(FDlg.Colors().FillStringList(true)));
    CaptionZuweisen();

    // The font list once: the current typeface marked, selected and in view.
    const std::vector<std::string> Zeilen = FDlg.FontZeilen(FFamilien);
    LvFonts->Set(WxListe(Zeilen));
    const int Start = FDlg.StartFontZeile(FFamilien);
    if (Start >= 0) {
        LvFonts->SetSelection(Start);
        ListenCursorSetzen(*LvFonts, Start);
        LvFonts->EnsureVisible(Start);
    }

    FMarkieren = std::make_unique<TWxAllesMarkieren>(*LeSize);
    FeldAnsage(*LvFonts,
               [this] { return FDlg.Ansage(TBackFontDlg::tgFonts, Utf8(LvFonts->GetStringSelection())); });
    FeldAnsage(*CoBoColors,
               [this] { return FDlg.Ansage(TBackFontDlg::tgFarbe, Utf8(CoBoColors->GetValue())); });
    FeldAnsage(*LeSize, [this] { return FDlg.Ansage(TBackFontDlg::tgGroesse, GroesseText()); });
    FeldAnsage(*CoBoBackColors,
               [this] { return FDlg.Ansage(TBackFontDlg::tgHintergrund, Utf8(CoBoBackColors->GetValue())); });

    LvFonts->Bind(wxEVT_LISTBOX, [this](wxCommandEvent&) { UpdateEditTest(); });
    CbBold->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { UpdateEditTest(); });
    CoBoColors->Bind(wxEVT_COMBOBOX, [this](wxCommandEvent&) { FarbeGewaehlt(*CoBoColors); });
    CoBoBackColors->Bind(wxEVT_COMBOBOX, [this](wxCommandEvent&) { FarbeGewaehlt(*CoBoBackColors); });
    LeSize->Bind(wxEVT_SPINCTRL, [this](wxSpinEvent&) { UpdateEditTest(); });
    LeSize->Bind(wxEVT_TEXT, &TWxBackFontDlg::OnGroesseText, this);
    LeSize->Bind(wxEVT_KILL_FOCUS, &TWxBackFontDlg::OnGroesseVerlassen, this);
    LeSize->Bind(wxEVT_KEY_DOWN, &TWxBackFontDlg::OnGroesseTaste, this);
    // The size field's own menu holds only the hidden paste item: there is none to show.
    LeSize->Bind(wxEVT_CONTEXT_MENU, [](wxContextMenuEvent&) {});
    LeSizeLabel->Bind(wxEVT_LEFT_UP, [this](wxMouseEvent&) { LeSize->SetFocus(); });
    EditTest->Bind(wxEVT_CONTEXT_MENU, [this](wxContextMenuEvent&) { VorschauMenue(); });
    Btn1OK->Bind(wxEVT_BUTTON, &TWxBackFontDlg::OnOk, this);
    FMeldungen.Besitzer = [this] { return static_cast<wxWindow*>(this); };
    TimerTolk.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { LvFonts->SetFocus(); });
}

TWxBackFontDlg::~TWxBackFontDlg() = default;

void TWxBackFontDlg::CaptionZuweisen() {
    const TBackFontDlgTexts& Texte = FDlg.Texts();
    SetTitle(Wx(Texte.WindowCaption));
    ListeZugaenglich(*LvFonts, Texte.FontColumnCaption);
    LeSizeLabel->SetLabel(Wx(FDlg.GroesseCaption()));
    CbBold->SetLabel(Wx(Texte.BoldCaption));
    EditTest->ChangeValue(Wx(Texte.PreviewText));
    VorschauName(*EditTest);
    Btn1OK->SetLabel(Wx(Texte.OkCaption));
    Btn2Cancel->SetLabel(Wx(Texte.CancelCaption));
    ComboZugaenglich(*CoBoColors, FeldName(FDlg.Ansage(TBackFontDlg::tgFarbe, "")));
    ComboZugaenglich(*CoBoBackColors, FeldName(FDlg.Ansage(TBackFontDlg::tgHintergrund, "")));
}

bool TWxBackFontDlg::Ausfuehren() {
    return ModalAusfuehren() == wxID_OK;
}

std::string TWxBackFontDlg::GroesseText() const {
    return Utf8(LeSize->GetTextValue());
}

TSchrift TWxBackFontDlg::GetNewFont() const {
    // The size as typed: OK is enabled only for a valid one, even before the field is left.
    return FDlg.GetNewFont(FFamilien, LvFonts->GetSelection(), TBackFontDlg::GroesseAusText(GroesseText()),
                           CbBold->GetValue(), CoBoColors->GetSelection());
}

TFarbe TWxBackFontDlg::ChosenBackColor() const {
    return FDlg.ChosenBackColor(CoBoBackColors->GetSelection());
}

void TWxBackFontDlg::BeimZeigen() {
    LeSize->SetValue(FDlg.StartGroesse());
    CbBold->SetValue(FDlg.StartFettS());
    const auto Farben = FDlg.FarbZeilen(false);
    const auto Hintergruende = FDlg.FarbZeilen(true);
    for (int i = 0; i < static_cast<int>(Farben.size()); ++i) {
        CoBoColors->SetString(i, Wx(Farben[i]));
        CoBoBackColors->SetString(i, Wx(Hintergruende[i]));
    }
    CoBoColors->SetSelection(FDlg.StartFarbe(false));
    CoBoBackColors->SetSelection(FDlg.StartFarbe(true));
    Btn1OK->Enable(TBackFontDlg::GroesseGueltig(GroesseText()));
    UpdateEditTest();
    // The focus reaches the font list by a real change of focus a moment after the window is up,
    // so that the screen reader hears the list's announcement.
    Btn2Cancel->SetFocus();
    TimerTolk.StartOnce(TolkMs);
}

void TWxBackFontDlg::SchalterEinrichten() {
    const wxFont Schrift = WxFont(FAktFont);
    TBackFontDlg::TMasse m;
    m.ListWidth =
        TBackFontDlg::FontListenBreite(FDlg.FontZeilen(FFamilien), [&Schrift](const std::string& AText) {
            return CaptionWidth(Schrift, AText);
        });
    m.SchalterWidth = FSchalter.x;
    m.SchalterHeight = FSchalter.y;
    const wxSize Label = LeSizeLabel->GetBestSize();
    m.LabelWidth = Label.x;
    m.LabelHeight = Label.y;
    m.GroesseWidth = std::max(Breite("MM"), LeSize->GetBestSize().x);
    m.GroesseHeight = Hoehe(*LeSize);
    m.FettWidth =
        std::max(Breite(RemoveAmpersands(FDlg.Texts().BoldCaption) + "MM"), CbBold->GetBestSize().x);
    m.FettHeight = Hoehe(*CbBold);
    m.ComboHeight = Hoehe(*CoBoColors);
    m.VorschauHeight = Hoehe(*EditTest);
    const auto Lage = TBackFontDlg::Layout(m);
    Setze(*LvFonts, Lage.Fonts);
    Setze(*LeSizeLabel, Lage.Label);
    Setze(*LeSize, Lage.Groesse);
    Setze(*CbBold, Lage.Fett);
    Setze(*CoBoColors, Lage.Farben);
    Setze(*CoBoBackColors, Lage.HintergrundFarben);
    Setze(*EditTest, Lage.Vorschau);
    Setze(*Btn1OK, Lage.Ok);
    Setze(*Btn2Cancel, Lage.Abbrechen);
    ClientGroesse(Lage.ClientWidth, Lage.ClientHeight);
}

void TWxBackFontDlg::UpdateEditTest() {
    const TSchrift Neu = GetNewFont();
    EditTest->SetFont(WxFont(Neu));
    EditTest->SetForegroundColour(WxFarbe(Neu.Farbe));
    EditTest->SetBackgroundColour(WxFarbe(ChosenBackColor()));
    EditTest->Refresh();
}

void TWxBackFontDlg::FarbeGewaehlt(wxComboBox& AListe) {
    UpdateEditTest();
    // Orca reads nothing when Up or Down changes a read-only box on GTK (a text change without a
    // cause it knows), so the new colour is spoken here.
    if (FindFocus() == &AListe) {
        FTolk.Output(Utf8(AListe.GetValue()), true);
    }
}

void TWxBackFontDlg::VorschauMenue() {
    const TBackFontDlgTexts& Texte = FDlg.Texts();
    TextMenueZeigen(*EditTest, Texte.SelectAllCaption, Texte.CopyCaption);
}

void TWxBackFontDlg::OnOk(wxCommandEvent&) {
    if (FDlg.SchliessenMitOk(CoBoColors->GetSelection(), CoBoBackColors->GetSelection(), FMeldungen)) {
        EndModal(wxID_OK);
    } else {
        CoBoColors->SetFocus();
    }
}

void TWxBackFontDlg::OnGroesseText(wxCommandEvent& AEvent) {
    AEvent.Skip();
    Btn1OK->Enable(TBackFontDlg::GroesseGueltig(GroesseText()));
}

void TWxBackFontDlg::OnGroesseVerlassen(wxFocusEvent& AEvent) {
    AEvent.Skip();
    // After GTK's own update of the field on leaving it.
    CallAfter([this] {
        LeSize->SetValue(TBackFontDlg::GroesseAusText(GroesseText()));
        Btn1OK->Enable(true);
        UpdateEditTest();
    });
}

void TWxBackFontDlg::OnGroesseTaste(wxKeyEvent& AEvent) {
    // The hidden "Einfügen" item takes Ctrl+V and only beeps: no text is pasted into the size.
    if (AEvent.GetKeyCode() == 'V' && AEvent.GetModifiers() == wxMOD_CONTROL) {
        wxBell();
        return;
    }
    AEvent.Skip();
}
