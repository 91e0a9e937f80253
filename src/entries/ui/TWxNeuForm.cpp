#include "entries/ui/TWxNeuForm.h"

#include <algorithm>
#include <array>
#include <charconv>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/display.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/scrolwin.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "controls/ui/GtkZugang.h"
#include "controls/ui/TWxAllesMarkieren.h"
#include "controls/ui/TWxDatePicker.h"
#include "controls/ui/TWxTimePicker.h"
#include "controls/ui/WxFensterStil.h"
#include "controls/ui/WxSchrift.h"
#include "controls/ui/WxText.h"
#include "info/RemoveAmpersands.h"
#include "model/Fehler.h"
#include "model/Trim.h"
#include "platform/MediaPlayer.h"
#include "platform/SystemDateisystem.h"

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

namespace {

constexpr int IdPlay = wxID_HIGHEST + 1;
constexpr int IdStop = wxID_HIGHEST + 2;
constexpr int IdDurchsuchen = wxID_HIGHEST + 3;
constexpr int IdMarkieren = wxID_HIGHEST + 4;
constexpr int IdKopieren = wxID_HIGHEST + 5;
constexpr int IdAusschneiden = wxID_HIGHEST + 6;
constexpr int IdEinfuegen = wxID_HIGHEST + 7;
constexpr int IdLoeschen = wxID_HIGHEST + 8;

// The number in a spin field's text; AWert when it holds none (the field is being typed).
int Zahl(const wxSpinCtrl& AFeld) {
    const std::string Text = Utf8(AFeld.GetTextValue());
    const std::string_view Getrimmt = Trim(Text);
    int Wert = 0;
    const auto [Ende, Fehler] = std::from_chars(Getrimmt.data(), Getrimmt.data() + Getrimmt.size(), Wert);
    if (Getrimmt.empty() || Fehler != std::errc() || Ende != Getrimmt.data() + Getrimmt.size()) {
        return AFeld.GetValue();
    }
    return Wert;
}

// A number field takes as many characters as its maximum has digits.
void ZahlFeldGrenzen(wxSpinCtrl& AFeld, int AMin, int AMax, int AWert) {
    AFeld.SetRange(AMin, AMax);
    AFeld.SetValue(std::clamp(AWert, AMin, AMax));
#ifdef __WXGTK__
    gtk_entry_set_max_length(GTK_ENTRY(AFeld.GetHandle()), static_cast<int>(std::to_string(AMax).size()));
#endif
}

wxArrayString Namen(const char* const* ANamen, int AAnzahl) {
    wxArrayString Zeilen;
    for (int i = 0; i < AAnzahl; ++i) {
        Zeilen.Add(Wx(ANamen[i]));
    }
    return Zeilen;
}

} // namespace

TWxNeuForm::TWxNeuForm(wxWindow* AOwner, TTolkSRD& ATolk, const TSchrift& AAktFont,
                       const TFarbe& AAktBackColor, TMeldungsPort& APort, TDateiDialog& ADateiDialog,
                       std::string ASoundOrdner)
    : TWxDialog(AOwner, TNeuForm::CaptionNeu, ATolk, AAktFont, AAktBackColor), FPort(APort),
      FDateiDialog(ADateiDialog), FSoundOrdner(std::move(ASoundOrdner)) {
    try {
        FPlayer = SystemMediaPlayer();
    } catch (const EFehler&) {
        // Without a player the sound file cannot be previewed; everything else works.
    }
    FForm.SetPlayer(FPlayer.get());
    Flaeche = new wxScrolledWindow(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                   wxHSCROLL | wxVSCROLL | wxTAB_TRAVERSAL);
    // Created in Tab order: GTK binds a label to the next control that takes the focus.
    Label1 = new wxStaticText(Flaeche, wxID_ANY, "");
    DatePicker1 = new TWxDatePicker(Flaeche);
    Label2 = new wxStaticText(Flaeche, wxID_ANY, "");
    SpinEdit1 = new wxSpinCtrl(Flaeche, wxID_ANY, "", wxDefaultPosition, wxDefaultSize, wxSP_ARROW_KEYS, 0,
                               TNeuForm::DauerGrenze, 1);
    CheckBox2 = new wxCheckBox(Flaeche, wxID_ANY, "");
    Label10 = new wxStaticText(Flaeche, wxID_ANY, "");
    TimePicker = new TWxTimePicker(Flaeche);
    Label8 = new wxStaticText(Flaeche, wxID_ANY, "");
    DatePicker2 = new TWxDatePicker(Flaeche);
    Label3 = new wxStaticText(Flaeche, wxID_ANY, "");
    Edit1 = new wxTextCtrl(Flaeche, wxID_ANY);
    Edit1->SetMaxLength(TNeuForm::KurztextMaxLaenge);
    Label4 = new wxStaticText(Flaeche, wxID_ANY, "");
    RichEdit1 =
        new wxTextCtrl(Flaeche, wxID_ANY, "", wxDefaultPosition, wxDefaultSize, wxTE_MULTILINE | wxVSCROLL);
    // GTK's text view has no length limit of its own: a longer text is cut back after each change.
    RichEdit1->Bind(wxEVT_TEXT, [this](wxCommandEvent& AEvent) {
        AEvent.Skip();
        const wxString Text = RichEdit1->GetValue();
        if (Text.length() > static_cast<std::size_t>(TNeuForm::LangtextMaxLaenge)) {
            const long Einfuege = RichEdit1->GetInsertionPoint();
            RichEdit1->ChangeValue(Text.Left(TNeuForm::LangtextMaxLaenge));
            RichEdit1->SetInsertionPoint(std::min<long>(Einfuege, TNeuForm::LangtextMaxLaenge));
            wxBell();
        }
    });
    Label5 = new wxStaticText(Flaeche, wxID_ANY, "");
    ListBox1 = new wxListBox(Flaeche, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                             Namen(IntervallNamen, AnzeigenTypAnzahl), wxLB_SINGLE);
    Label6 = new wxStaticText(Flaeche, wxID_ANY, "");
    ListBox2 = new wxListBox(Flaeche, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                             Namen(EintragstypNamen, TagTypAnzahl), wxLB_SINGLE);
    CheckBox1 = new wxCheckBox(Flaeche, wxID_ANY, "");
    Label9 = new wxStaticText(Flaeche, wxID_ANY, "");
    SpinEdit2 = new wxSpinCtrl(Flaeche, wxID_ANY, "", wxDefaultPosition, wxDefaultSize, wxSP_ARROW_KEYS, 0,
                               TNeuForm::StartwertMax, 0);
    CheckBox3 = new wxCheckBox(Flaeche, wxID_ANY, "");
    CheckBox4 = new wxCheckBox(Flaeche, wxID_ANY, "");
    Edit2 = new wxTextCtrl(Flaeche, wxID_ANY);
    Button3 = new wxButton(Flaeche, wxID_ANY, "");
    Button1 = new wxButton(Flaeche, wxID_OK, "");
    Button2 = new wxButton(Flaeche, wxID_CANCEL, "");
    Button1->SetDefault();
    SetDefaultItem(Button1);
    CaptionZuweisen();
    Ansagen();
    FMarkieren1 = std::make_unique<TWxAllesMarkieren>(*SpinEdit1);
    FMarkieren2 = std::make_unique<TWxAllesMarkieren>(*SpinEdit2);

    // Leaving the start date moves the calendar limit's minimum and the duration's maximum; it
    // runs after the picker has checked its input on the same event.
    DatePicker1->Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& AEvent) {
        AEvent.Skip();
        CallAfter([this] {
            Lesen();
            FForm.VonVerlassen();
            Schreiben();
        });
    });
    ListBox1->Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& AEvent) {
        AEvent.Skip();
        CallAfter([this] {
            Lesen();
            FForm.MaxValueSpinEdit();
            ZahlFeldGrenzen(*SpinEdit1, FForm.Grenzen.DauerMin, FForm.Grenzen.DauerMax, FForm.Felder.Dauer);
        });
    });
    CheckBox1->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { OnKlick(TNeuFeld::Zaehlfunktion); });
    CheckBox2->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { OnKlick(TNeuFeld::Ganztaegig); });
    CheckBox4->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { OnKlick(TNeuFeld::SounddateiS); });
    Button1->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Schliessen(true); });
    Button2->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Schliessen(false); });
    Button3->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Durchsuchen(); });
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { Schliessen(false); });
    Edit2->Bind(wxEVT_CONTEXT_MENU, [this](wxContextMenuEvent&) { SoundMenue(); });
    RichEdit1->Bind(wxEVT_CONTEXT_MENU, [this](wxContextMenuEvent&) { LangtextMenue(); });
    // The number fields show no menu of their own.
    SpinEdit1->Bind(wxEVT_CONTEXT_MENU, [](wxContextMenuEvent&) {});
    SpinEdit2->Bind(wxEVT_CONTEXT_MENU, [](wxContextMenuEvent&) {});
}

TWxNeuForm::~TWxNeuForm() = default;

void TWxNeuForm::CaptionZuweisen() {
    const auto Setzen = [](wxWindow& AControl, TNeuFeld AFeld) {
        AControl.SetLabel(Wx(TNeuForm::Beschriftung(AFeld)));
    };
    Setzen(*Label1, TNeuFeld::Von);
    Setzen(*Label2, TNeuFeld::Dauer);
    Setzen(*CheckBox2, TNeuFeld::Ganztaegig);
    Setzen(*Label10, TNeuFeld::Uhrzeit);
    Setzen(*Label8, TNeuFeld::Grenze);
    Setzen(*Label3, TNeuFeld::Kurztext);
    Setzen(*Label4, TNeuFeld::Langtext);
    Setzen(*Label5, TNeuFeld::Intervall);
    Setzen(*Label6, TNeuFeld::Eintragstyp);
    Setzen(*CheckBox1, TNeuFeld::Zaehlfunktion);
    Setzen(*Label9, TNeuFeld::Startwert);
    Setzen(*CheckBox3, TNeuFeld::Loeschfunktion);
    Setzen(*CheckBox4, TNeuFeld::SounddateiS);
    Setzen(*Button3, TNeuFeld::Durchsuchen);
    Setzen(*Button1, TNeuFeld::Ok);
    Setzen(*Button2, TNeuFeld::Abbrechen);
}

void TWxNeuForm::Ansagen() {
    ListeZugaenglich(*ListBox1, RemoveAmpersands(TNeuForm::Beschriftung(TNeuFeld::Intervall)));
    ListeZugaenglich(*ListBox2, RemoveAmpersands(TNeuForm::Beschriftung(TNeuFeld::Eintragstyp)));
    for (TNeuFeld Feld : {TNeuFeld::Von, TNeuFeld::Dauer, TNeuFeld::Uhrzeit, TNeuFeld::Grenze,
                          TNeuFeld::Kurztext, TNeuFeld::Langtext, TNeuFeld::Intervall, TNeuFeld::Eintragstyp,
                          TNeuFeld::Startwert, TNeuFeld::Sounddatei}) {
#ifdef __WXGTK__
        // Orca reads a labelled field's label and then the field's own name when it differs: the
        // name goes on the label, so that it is read once.
        const std::string Name = TNeuForm::ZugangsName(Feld);
        wxWindow* Traeger = Feld == TNeuFeld::Startwert ? static_cast<wxWindow*>(Label9) : Control(Feld);
        if (!Name.empty()) {
            atk_object_set_name(gtk_widget_get_accessible(static_cast<GtkWidget*>(Traeger->GetHandle())),
                                Name.c_str());
        }
#else
        FeldAnsage(*Control(Feld), [Feld] { return TNeuForm::Ansage(Feld); });
#endif
    }
}

TWxNeuForm::TErgebnis TWxNeuForm::Neu(const TDaten& ARefDaten, TTag AVon) {
    FForm.NeuEinrichten(&ARefDaten, AVon);
    return Zeigen();
}

TWxNeuForm::TErgebnis TWxNeuForm::Bearbeiten(const TDaten& ARefDaten, const TTagClass& ATagClass,
                                             TTag AVonMin, TTag AVonMax, bool AEinzigerLaufS) {
    FForm.BearbeitenEinrichten(&ARefDaten, ATagClass, AVonMin, AVonMax, AEinzigerLaufS);
    return Zeigen();
}

TWxNeuForm::TErgebnis TWxNeuForm::Zeigen() {
    SetTitle(Wx(FForm.Caption()));
    switch (ModalAusfuehren()) {
    case wxID_OK:
        return TErgebnis::Ok;
    case wxID_NO:
        return TErgebnis::Nein;
    default:
        return TErgebnis::Abbrechen;
    }
}

wxWindow* TWxNeuForm::Control(TNeuFeld AFeld) const {
    switch (AFeld) {
    case TNeuFeld::Von:
        return DatePicker1;
    case TNeuFeld::Dauer:
        return SpinEdit1;
    case TNeuFeld::Ganztaegig:
        return CheckBox2;
    case TNeuFeld::Uhrzeit:
        return TimePicker;
    case TNeuFeld::Grenze:
        return DatePicker2;
    case TNeuFeld::Kurztext:
        return Edit1;
    case TNeuFeld::Langtext:
        return RichEdit1;
    case TNeuFeld::Intervall:
        return ListBox1;
    case TNeuFeld::Eintragstyp:
        return ListBox2;
    case TNeuFeld::Zaehlfunktion:
        return CheckBox1;
    case TNeuFeld::Startwert:
        return SpinEdit2;
    case TNeuFeld::Loeschfunktion:
        return CheckBox3;
    case TNeuFeld::SounddateiS:
        return CheckBox4;
    case TNeuFeld::Sounddatei:
        return Edit2;
    case TNeuFeld::Durchsuchen:
        return Button3;
    case TNeuFeld::Ok:
        return Button1;
    case TNeuFeld::Abbrechen:
        return Button2;
    }
    return nullptr;
}

TNeuFeld TWxNeuForm::FeldVon(const wxWindow* AControl) const {
    for (int i = 0; i <= static_cast<int>(TNeuFeld::Abbrechen); ++i) {
        const auto Feld = static_cast<TNeuFeld>(i);
        if (AControl != nullptr && Control(Feld) == AControl) {
            return Feld;
        }
    }
    return TNeuFeld::Ok;
}

void TWxNeuForm::Lesen() {
    TNeuForm::TFelder& F = FForm.Felder;
    F.Von = TagVon(DatePicker1->Datum());
    F.Dauer = Zahl(*SpinEdit1);
    F.GanzerTagS = CheckBox2->GetValue();
    F.Zeit = TimePicker->Zeit();
    F.Grenze = TagVon(DatePicker2->Datum());
    F.Kurztext = Utf8(Edit1->GetValue());
    F.Langtext = Utf8(RichEdit1->GetValue());
    F.Intervall = std::max(ListBox1->GetSelection(), 0);
    F.Eintragstyp = std::max(ListBox2->GetSelection(), 0);
    F.CounterS = CheckBox1->GetValue();
    F.Startwert = std::clamp(Zahl(*SpinEdit2), 0, TNeuForm::StartwertMax);
    F.LoeschenS = CheckBox3->GetValue();
    F.SounddateiS = CheckBox4->GetValue();
    F.Sounddatei = Utf8(Edit2->GetValue());
}

void TWxNeuForm::Schreiben() {
    const TNeuForm::TFelder& F = FForm.Felder;
    const TNeuForm::TGrenzen& G = FForm.Grenzen;
    // A picker moves its date into a new range: the widest range first, then the real one.
    DatePicker1->SetMinDatum(KalenderAnfang);
    DatePicker1->SetMaxDatum(G.VonMax);
    DatePicker1->SetMinDatum(G.VonMin);
    if (TagVon(DatePicker1->Datum()) != F.Von) {
        DatePicker1->SetDatum(F.Von);
    }
    DatePicker2->SetMinDatum(KalenderAnfang);
    DatePicker2->SetMaxDatum(G.GrenzeMax);
    DatePicker2->SetMinDatum(G.GrenzeMin);
    if (TagVon(DatePicker2->Datum()) != F.Grenze) {
        DatePicker2->SetDatum(F.Grenze);
    }
    ZahlFeldGrenzen(*SpinEdit1, G.DauerMin, G.DauerMax, F.Dauer);
    ZahlFeldGrenzen(*SpinEdit2, 0, TNeuForm::StartwertMax, F.Startwert);
}

void TWxNeuForm::Abhaengige() {
    Label9->Enable(FForm.StartwertEnabled());
    SpinEdit2->Enable(FForm.StartwertEnabled());
    TimePicker->Enable(FForm.UhrzeitEnabled());
    Edit2->SetEditable(!FForm.SounddateiReadOnly());
    ListBox1->Enable(FForm.Grenzen.IntervallEnabledS);
}

void TWxNeuForm::BeimZeigen() {
    const TNeuForm::TFelder& F = FForm.Felder;
    Schreiben();
    DatePicker1->SetDatum(F.Von);
    DatePicker2->SetDatum(F.Grenze);
    CheckBox2->SetValue(F.GanzerTagS);
    TimePicker->SetZeit(F.Zeit);
    Edit1->ChangeValue(Wx(F.Kurztext));
    RichEdit1->ChangeValue(Wx(F.Langtext));
    RichEdit1->SetInsertionPoint(0);
    ListBox1->SetSelection(F.Intervall);
    ListenCursorSetzen(*ListBox1, F.Intervall);
    ListBox2->SetSelection(F.Eintragstyp);
    ListenCursorSetzen(*ListBox2, F.Eintragstyp);
    CheckBox1->SetValue(F.CounterS);
    CheckBox3->SetValue(F.LoeschenS);
    CheckBox4->SetValue(F.SounddateiS);
    Edit2->ChangeValue(Wx(F.Sounddatei));
    Abhaengige();
    Flaeche->Scroll(0, 0);
    DatePicker1->SetFocus();
}

std::array<std::pair<TNeuForm::TTeil, wxWindow*>, TNeuForm::TeilAnzahl> TWxNeuForm::Teile() const {
    return {{
        {TNeuForm::tLabel1, Label1},
        {TNeuForm::tDatePicker1, DatePicker1},
        {TNeuForm::tLabel2, Label2},
        {TNeuForm::tSpinEdit1, SpinEdit1},
        {TNeuForm::tCheckBox2, CheckBox2},
        {TNeuForm::tLabel10, Label10},
        {TNeuForm::tTimePicker, TimePicker},
        {TNeuForm::tLabel8, Label8},
        {TNeuForm::tDatePicker2, DatePicker2},
        {TNeuForm::tLabel3, Label3},
        {TNeuForm::tEdit1, Edit1},
        {TNeuForm::tLabel4, Label4},
        {TNeuForm::tRichEdit1, RichEdit1},
        {TNeuForm::tLabel5, Label5},
        {TNeuForm::tListBox1, ListBox1},
        {TNeuForm::tLabel6, Label6},
        {TNeuForm::tListBox2, ListBox2},
        {TNeuForm::tCheckBox1, CheckBox1},
        {TNeuForm::tLabel9, Label9},
        {TNeuForm::tSpinEdit2, SpinEdit2},
        {TNeuForm::tCheckBox3, CheckBox3},
        {TNeuForm::tCheckBox4, CheckBox4},
        {TNeuForm::tEdit2, Edit2},
        {TNeuForm::tButton3, Button3},
        {TNeuForm::tButton1, Button1},
        {TNeuForm::tButton2, Button2},
    }};
}

void TWxNeuForm::SchalterEinrichten() {
    FForm.MaxValueSpinEdit();
    const TNeuForm::TMasse M = Masse();
    const TNeuForm::TLage L = TNeuForm::Layout(M);
    Flaeche->Scroll(0, 0);
    for (const auto& [Teil, Control] : Teile()) {
        const TRechteck& R = L.Teile[Teil];
        if (Control == DatePicker1 || Control == DatePicker2 || Control == TimePicker) {
            auto* Picker = static_cast<wxTextCtrl*>(Control);
            Picker->SetSize(-1, -1, -1, R.Height, wxSIZE_USE_EXISTING);
        } else {
            Setze(*Control, R);
        }
    }
    DatePicker1->Bounds(L.Teile[TNeuForm::tDatePicker1].Top, L.Teile[TNeuForm::tDatePicker1].Left,
                        L.Teile[TNeuForm::tDatePicker1].Width);
    DatePicker2->Bounds(L.Teile[TNeuForm::tDatePicker2].Top, L.Teile[TNeuForm::tDatePicker2].Left,
                        L.Teile[TNeuForm::tDatePicker2].Width);
    TimePicker->Bounds(L.Teile[TNeuForm::tTimePicker].Top, L.Teile[TNeuForm::tTimePicker].Left,
                       L.Teile[TNeuForm::tTimePicker].Width);
    ClientGroesse(L.Client.Width, L.Client.Height);
    Flaeche->SetSize(0, 0, L.Client.Width, L.Client.Height);
    Flaeche->SetVirtualSize(L.Inhalt.Width, L.Inhalt.Height);
    const int Schritt = std::max(M.M, 10);
    Flaeche->SetScrollRate(Schritt, Schritt);
}

TNeuForm::TMasse TWxNeuForm::Masse() const {
    const wxFont Schrift = WxFont(FAktFont);
    TNeuForm::TMasse M;
    M.M = FontTextWidth(&Schrift, "M");
    M.DatumText = FontTextWidth(&Schrift, "Mi, 88.88.8888");
    M.ZeitText = FontTextWidth(&Schrift, "88:88");
    M.ZahlText = FontTextWidth(&Schrift, "-88888");
    M.UpDown = DatePicker1->Width() - DatePicker1->GetSize().x;
    // GTK reports a control's size in the new font only once it has drawn it: labels and check
    // boxes are measured by their text in the user font, the check box's box by the text height.
    const int TextHoehe = FontTextHeight(&Schrift);
    for (const auto& [Teil, Control] : Teile()) {
        const wxSize Bedarf = Control->GetBestSize();
        M.Bedarf[Teil] = {Bedarf.x, std::max(Bedarf.y, Hoehe(*Control))};
        const std::string Text = RemoveAmpersands(Utf8(Control->GetLabel()));
        if (dynamic_cast<wxStaticText*>(Control) != nullptr) {
            M.Bedarf[Teil] = {std::max(Bedarf.x, FontTextWidth(&Schrift, Text) + 2),
                              std::max(Bedarf.y, TextHoehe)};
        } else if (dynamic_cast<wxCheckBox*>(Control) != nullptr) {
            M.Bedarf[Teil] = {std::max(Bedarf.x, FontTextWidth(&Schrift, Text) + TextHoehe + 12),
                              std::max(Bedarf.y, Hoehe(*Control))};
        }
    }
    M.ListenZeile = FontTextHeight(&Schrift) + 6;
    M.ListenBreite = std::max(ListBox1->GetBestSize().x, ListBox2->GetBestSize().x);
    M.Schalter = {FSchalter.x, FSchalter.y};
    const wxWindow* Bezug = GetParent() != nullptr ? GetParent() : static_cast<const wxWindow*>(this);
    const int Bildschirm = wxDisplay::GetFromWindow(Bezug);
    const wxRect Bereich =
        wxDisplay(Bildschirm == wxNOT_FOUND ? 0u : static_cast<unsigned>(Bildschirm)).GetClientArea();
    M.Arbeitsbereich = {Bereich.width, Bereich.height};
    return M;
}

void TWxNeuForm::Fokus(TNeuFeld AFeld, bool AMarkiereS) {
    wxWindow* Feld = Control(AFeld);
    Feld->SetFocus();
    if (auto* Text = dynamic_cast<wxTextCtrl*>(Feld); Text != nullptr && AMarkiereS) {
        Text->SelectAll();
    }
}

void TWxNeuForm::OnKlick(TNeuFeld AFeld) {
    Lesen();
    Abhaengige();
    const TNeuFeld Ziel = FForm.NachKlick(AFeld);
    if (Ziel != AFeld) {
        Control(Ziel)->SetFocus();
    }
}

void TWxNeuForm::Schliessen(bool AOkS) {
    Lesen();
    switch (FForm.Schliessen(AOkS, FPort, *this)) {
    case TNeuForm::TSchluss::Ok:
        EndModal(wxID_OK);
        break;
    case TNeuForm::TSchluss::Nein:
        EndModal(wxID_NO);
        break;
    case TNeuForm::TSchluss::Abbrechen:
        EndModal(wxID_CANCEL);
        break;
    case TNeuForm::TSchluss::Offen:
        // The checks may have moved the calendar limit and the duration.
        Schreiben();
        break;
    }
}

void TWxNeuForm::Durchsuchen() {
    wxWindow* MerkActiveControl = FindFocus();
    Lesen();
    if (FForm.Durchsuchen(FDateiDialog, FSoundOrdner)) {
        Edit2->ChangeValue(Wx(FForm.Felder.Sounddatei));
        Edit2->SetFocus();
    } else if (MerkActiveControl != nullptr) {
        MerkActiveControl->SetFocus();
    }
}

void TWxNeuForm::SoundMenue() {
    Lesen();
    wxMenu Menue;
    Menue.Append(IdDurchsuchen, Wx(TNeuForm::Beschriftung(TNeuFeld::Durchsuchen) + "\tCtrl+D"));
    Menue.Append(IdPlay, Wx("Play\tCtrl+P"));
    Menue.Append(IdStop, Wx("Stop\tCtrl+S"));
    Menue.Enable(IdPlay, FForm.PlayErlaubt(SystemDateisystem()));
    Menue.Enable(IdStop, FForm.StopErlaubt());
    switch (Edit2->GetPopupMenuSelectionFromUser(Menue)) {
    case IdDurchsuchen:
        Durchsuchen();
        break;
    case IdPlay:
        FForm.Play(SystemDateisystem());
        break;
    case IdStop:
        FForm.Stop();
        break;
    default:
        break;
    }
}

void TWxNeuForm::LangtextMenue() {
    const bool TextS = !RichEdit1->IsEmpty();
    const bool AuswahlS = RichEdit1->CanCopy();
    wxMenu Menue;
    Menue.Append(IdMarkieren, Wx("Alles &markieren\tCtrl+A"))->Enable(TextS);
    Menue.Append(IdKopieren, Wx("Kopieren\tCtrl+C"))->Enable(AuswahlS);
    Menue.Append(IdAusschneiden, Wx("Ausschneiden\tCtrl+X"))->Enable(AuswahlS);
    Menue.Append(IdEinfuegen, Wx("Einfügen\tCtrl+V"))->Enable(RichEdit1->CanPaste());
    Menue.Append(IdLoeschen, Wx("Löschen\tDel"))->Enable(TextS);
    switch (RichEdit1->GetPopupMenuSelectionFromUser(Menue)) {
    case IdMarkieren:
        RichEdit1->SelectAll();
        break;
    case IdKopieren:
        RichEdit1->Copy();
        break;
    case IdAusschneiden:
        RichEdit1->Cut();
        break;
    case IdEinfuegen:
        RichEdit1->Paste();
        break;
    case IdLoeschen: {
        // The selection, or without one the character after the caret.
        long Von = 0;
        long Bis = 0;
        RichEdit1->GetSelection(&Von, &Bis);
        if (Von == Bis) {
            Bis = std::min(Von + 1, RichEdit1->GetLastPosition());
        }
        RichEdit1->Remove(Von, Bis);
        break;
    }
    default:
        break;
    }
}

bool TWxNeuForm::EigeneTaste(wxKeyEvent& AEvent) {
    const int Taste = AEvent.GetKeyCode();
    const TNeuFeld Feld = FeldVon(FindFocus());
    // The sound path's menu shortcuts.
    if (Feld == TNeuFeld::Sounddatei && AEvent.GetModifiers() == wxMOD_CONTROL) {
        Lesen();
        switch (Taste) {
        case 'D':
            Durchsuchen();
            return true;
        case 'P':
            FForm.Play(SystemDateisystem());
            return true;
        case 'S':
            FForm.Stop();
            return true;
        default:
            return false;
        }
    }
    const bool EnterS = Taste == WXK_RETURN || Taste == WXK_NUMPAD_ENTER;
    if (!EnterS && Taste != WXK_ESCAPE) {
        return false;
    }
    using W = TNeuForm::TWirkung;
    switch (TNeuForm::Taste(Feld, EnterS ? TNeuForm::TTaste::Enter : TNeuForm::TTaste::Escape,
                            AEvent.HasAnyModifiers(), Button1->IsEnabled())) {
    case W::Ok:
        Schliessen(true);
        return true;
    case W::Abbrechen:
        Schliessen(false);
        return true;
    case W::Nichts:
        return true;
    case W::Feld:
        AEvent.Skip();
        return true;
    case W::Weiter:
        break;
    }
    return false;
}
