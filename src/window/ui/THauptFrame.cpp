#include "window/ui/THauptFrame.h"

#include <optional>
#include <utility>

#include <wx/app.h>
#include <wx/clipbrd.h>
#include <wx/combobox.h>
#include <wx/display.h>
#include <wx/filename.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/settings.h>
#include <wx/statusbr.h>
#include <wx/stdpaths.h>
#include <wx/utils.h>
#include <wx/weakref.h>

#include "calendarfiles/ui/TWxGeladenForm.h"
#include "controls/TModalKlammer.h"
#include "controls/ui/GtkZugang.h"
#include "controls/ui/MenueKurztasten.h"
#include "controls/ui/TWxBackFontDlg.h"
#include "controls/ui/TZeilenListe.h"
#include "controls/ui/WxSchrift.h"
#include "controls/ui/WxText.h"
#include "info/ui/TWxInfosForm.h"
#include "platform/Autostart.h"
#include "platform/ProgrammStart.h"
#include "platform/SystemDateisystem.h"
#include "platform/TMeldungsPort.h"
#include "settings/ui/TWxVortageForm.h"
#include "speech/ScreenReaderPlattform.h"
#include "window/Fensterlayout.h"
#include "window/ui/TPeriodenAuswahl.h"
#include "window/ui/TSplashScreenForm.h"
#include "window/ui/TWxGeheDatumForm.h"
#ifdef _WIN32
#include "platform/windows/WindowsSystem.h"
#endif

namespace {

enum TMenueId : int {
    idBeenden = wxID_HIGHEST + 1,
    idTimer1,
    idTimer2,
    idTimer0,
    // One id for each possible recent-file entry, in list order.
    idHistory,
    idHistoryEnde = idHistory + THistoryList::StandardMaxLen,
    // The ids of the menu commands: one range for the menu bar, one for the copies in the settings
    // menu and one for the pop-up menus, each in the order of TMenueBefehl.
    idBefehle,
    idKopien = idBefehle + MenueBefehlAnzahl,
    idPopup = idKopien + MenueBefehlAnzahl,
    idBefehleEnde = idPopup + MenueBefehlAnzahl,
};

constexpr int SplashZeitMs = 3000;
// The start-up preview follows the start-up step after this pause.
constexpr int StartVorschauMs = 500;
const char* const ComboName = "Zeitraum";
const char* const ListenName = "Kalendertage";

std::optional<TMenueBefehl> BefehlAusId(int AId) {
    if (AId < idBefehle || AId >= idBefehleEnde) {
        return std::nullopt;
    }
    return static_cast<TMenueBefehl>((AId - idBefehle) % MenueBefehlAnzahl);
}

wxItemKind Art(TMenueArt AArt) {
    switch (AArt) {
    case meHaken:
        return wxITEM_CHECK;
    case meOption:
        return wxITEM_RADIO;
    case meEintrag:
        break;
    }
    return wxITEM_NORMAL;
}

// Appends the item of ABefehl with the id of its range; pop-up items show no shortcut, and the day
// list's pop-up gives some items captions of their own.
void Eintrag(wxMenu& AMenue, TMenueBefehl ABefehl, int ABereich = idBefehle, bool AListenCaption = false) {
    const TMenueEintrag& e = MenueEintrag(ABefehl);
    std::string Caption = AListenCaption && e.PopupCaption != nullptr ? e.PopupCaption : e.Caption;
    if (ABereich != idPopup && *e.Kurztaste != '\0') {
        Caption = Caption + "\t" + e.Kurztaste;
    }
    AMenue.Append(ABereich + ABefehl, Wx(Caption), wxEmptyString, Art(e.Art));
}

// Fills AMenue with APunkte; copies take the ids of their own range.
void Fuellen(wxMenu& AMenue, const std::vector<TMenuePunkt>& APunkte) {
    for (const TMenuePunkt& p : APunkte) {
        switch (p.Art) {
        case TMenuePunkt::mpBefehl:
            Eintrag(AMenue, p.Befehl, p.KopieS ? idKopien : idBefehle);
            break;
        case TMenuePunkt::mpTrenner:
            AMenue.AppendSeparator();
            break;
        case TMenuePunkt::mpUntermenue: {
            auto* Unter = new wxMenu;
            Fuellen(*Unter, p.Punkte);
            AMenue.AppendSubMenu(Unter, Wx(p.Caption));
            break;
        }
        }
    }
}

} // namespace

THauptFrame::THauptFrame(TEinstellungsspeicher& AEinstellungsspeicher, const std::string& ADokumenteOrdner,
                         const std::string& AProgrammordner, const std::vector<std::string>& AArgumente,
                         TSplashScreenForm* ASplash)
    : wxFrame(nullptr, wxID_ANY, Wx(ProgrammTitel)), FSplash(ASplash), FTimer1(this, idTimer1),
      FTimer2(this, idTimer2), FTimer0(this, idTimer0) {
    GroesseBegrenzen();
    CreateStatusBar(1);
    FPanel = new wxPanel(this);
    FCombo = new wxComboBox(FPanel, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, 0, nullptr,
                            wxCB_DROPDOWN | wxTE_PROCESS_ENTER);
    FListe = new TZeilenListe(FPanel);
    ComboZugaenglich(*FCombo, ComboName, [this] { PeriodenAufklappen(); });
    ListeZugaenglich(*FListe, ListenName);
    MenuesErstellen();

    FForm =
        std::make_unique<TForm1>(*this, *this, AEinstellungsspeicher, SystemDateisystem(), ADokumenteOrdner,
                                 AProgrammordner, AArgumente, SystemScreenReaderPlattform());
    FBefehle = std::make_unique<TWxBefehle>(*this, *FForm);
    FZeitzone = SystemZeitzone();
    FKlang = SystemKlang();
    FInfos = std::make_unique<TInfosTexte>(*FZeitzone, *FKlang, AProgrammordner);
    FSuchDialoge = std::make_unique<TWxSuchDialoge>(this, FForm->Tolk, FForm->AktFont, FForm->AktBackColor,
                                                    *FInfos, *FKlang);
    FForm->SuchDialogeSetzen(*FSuchDialoge);
    FInfosForm = new TWxInfosForm(this, FForm->Tolk, FForm->AktFont, FForm->AktBackColor, FDateiDialog);
    // The information window prints its text, its print dialog above it.
    FInfosForm->Drucken = [this](wxWindow& AFenster, const std::string& AText, const std::string& AJobTitel) {
        TWxDrucker(&AFenster).TextDrucken(AJobTitel, AText, FForm->AktFont);
    };
    FForm->InfosFensterSetzen(*FInfosForm, *FInfos, *FKlang);
    FGeladenForm = new TWxGeladenForm(this, FForm->Tolk, FForm->AktFont, FForm->AktBackColor);
    FForm->DateiDialogeSetzen(FDateiDialog, *FGeladenForm);
    FForm->Dateien().IcsZeitzoneSetzen(*FZeitzone);
    FEintragEditor = std::make_unique<TWxEintragEditor>(
        this, FForm->Tolk, FForm->AktFont, FForm->AktBackColor, FDateiDialog, FForm->Soundordner());
    FForm->EintragEditorSetzen(*FEintragEditor);
    const std::string Programmdatei = Utf8(wxStandardPaths::Get().GetExecutablePath());
    FProgrammStart = SystemProgrammStart();
    FSpezialOrdner = SystemSpezialOrdner();
    FAutostart = SystemAutostart(Programmdatei, *FSpezialOrdner);
#ifdef _WIN32
    AltenAutostartErsetzen(Programmdatei, *FAutostart);
#endif
    FForm->ExtrasSetzen(*FProgrammStart, *FAutostart, FDrucker,
                        TExtrasOrte{AProgrammordner, Programmdatei,
                                    Utf8(wxFileName::GetTempDir() + wxFileName::GetPathSeparator())});

    Bind(wxEVT_SHOW, &THauptFrame::OnShow, this);
    Bind(wxEVT_CLOSE_WINDOW, &THauptFrame::OnClose, this);
    Bind(wxEVT_CHAR_HOOK, &THauptFrame::OnCharHook, this);
    Bind(wxEVT_MENU, &THauptFrame::OnMenu, this);
    FPanel->Bind(wxEVT_SIZE, &THauptFrame::OnSize, this);
    Bind(wxEVT_TIMER, &THauptFrame::OnTimer1, this, idTimer1);
    Bind(wxEVT_TIMER, &THauptFrame::OnTimer2, this, idTimer2);
    Bind(wxEVT_TIMER, &THauptFrame::OnTimer0, this, idTimer0);
    Bind(wxEVT_MENU_OPEN, [this](wxMenuEvent& AEreignis) {
        AEreignis.Skip();
        FHilfeOffen = FHilfeOffen || AEreignis.GetMenu() == FHilfeMenue;
        MenueAktualisieren();
    });
    Bind(wxEVT_MENU_CLOSE, [this](wxMenuEvent& AEreignis) {
        AEreignis.Skip();
        FHilfeOffen = FHilfeOffen && AEreignis.GetMenu() != FHilfeMenue;
    });
    FCombo->Bind(wxEVT_TEXT_ENTER, [this](wxCommandEvent&) {
        FForm->Ausfuehren([this] { FForm->Tagesliste.PeriodeEingeben(); });
    });
    FCombo->Bind(wxEVT_CONTEXT_MENU, [this](wxContextMenuEvent&) { ComboPopup(); });
    FListe->Bind(wxEVT_CONTEXT_MENU, [this](wxContextMenuEvent&) { ListenPopup(); });
    // GTK's list turns Return into a double click before the window's char hook sees the key; a
    // double click on a line does what Return does.
    FListe->Bind(wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent&) { FForm->ZeileEingabe(); });
    // The menus ask which of the two controls the user works in; a menu taking the keyboard does
    // not change that.
    FListe->Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& AEreignis) {
        AEreignis.Skip();
        FZeilenFokusS = true;
    });
    FCombo->Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& AEreignis) {
        AEreignis.Skip();
        FZeilenFokusS = false;
    });
    Bind(wxEVT_ACTIVATE, &THauptFrame::OnActivate, this);
    // F1 in any dialog is the help command, and any modal window hides the splash picture first.
    TWxDialog::HilfeSetzen([this] { FForm->MenueBefehl(mbHilfe); });
    TModalKlammer::Setze([this] { SplashVerbergen(); }, {});
    FTimer1.Start(1000);
}

THauptFrame::~THauptFrame() {
    // Out of its menu, the item is ours to delete.
    if (FHilfeMenue->FindChildItem(FAktualisierung->GetId()) == nullptr) {
        delete FAktualisierung;
    }
    FTimer1.Stop();
    FTimer2.Stop();
    FTimer0.Stop();
    FForm->FormDestroy();
    // The list shows the day list's lines, which go with FForm before the list goes.
    FListe->ZeilenSetzen({});
    TWxDialog::HilfeSetzen({});
    TModalKlammer::Setze({}, {});
    SplashFreigeben();
}

void THauptFrame::MenuesErstellen() {
    auto* Leiste = new wxMenuBar;
    for (std::int32_t m = 0; m < MenueAnzahl; ++m) {
        auto* Menue = new wxMenu;
        Fuellen(*Menue, MenueAufbau(static_cast<TMenue>(m)));
        Leiste->Append(Menue, Wx(MenueCaption(static_cast<TMenue>(m))));
    }
    // The recent files go between the file commands and "&Beenden" (HistoryMenueSetzen).
    FDateiMenue = Leiste->GetMenu(mnDatei);
    FDateiMenue->AppendSeparator();
    FDateiMenue->Append(idBeenden, Wx("&Beenden\tAlt+F4"));
    FHilfeMenue = Leiste->GetMenu(mnHilfe);
    FAktualisierung = FHilfeMenue->FindChildItem(static_cast<int>(idBefehle) + mbAktualisierung);
    SetMenuBar(Leiste);
}

void THauptFrame::MenueZustaendeSetzen(wxMenu& AMenue) {
    for (wxMenuItem* Item : AMenue.GetMenuItems()) {
        if (Item->IsSubMenu()) {
            MenueZustaendeSetzen(*Item->GetSubMenu());
            continue;
        }
        const std::optional<TMenueBefehl> Befehl = BefehlAusId(Item->GetId());
        if (!Befehl) {
            continue;
        }
        const TMenueZustand Zustand = FForm->MenueZustand(*Befehl);
        Item->Enable(Zustand.EnabledS);
        if (Item->IsCheckable() && (Zustand.CheckedS || !Item->IsRadio())) {
            Item->Check(Zustand.CheckedS);
        }
    }
}

void THauptFrame::PopupZeigen(wxWindow& AFenster, const std::vector<TMenueBefehl>& ABefehle) {
    wxMenu Popup;
    for (TMenueBefehl b : ABefehle) {
        Eintrag(Popup, b, idPopup, &AFenster == FListe);
    }
    MenueZustaendeSetzen(Popup);
    PopupZugaenglich(Popup);
    AFenster.PopupMenu(&Popup);
}

wxRect THauptFrame::Arbeitsbereich() const {
    const int Nr = wxDisplay::GetFromWindow(this);
    return wxDisplay(Nr == wxNOT_FOUND ? 0u : static_cast<unsigned>(Nr)).GetClientArea();
}

void THauptFrame::GroesseBegrenzen() {
    const wxRect Bereich = Arbeitsbereich();
    const TFenstergroesse g = ::GroesseBegrenzen(Bereich.width, Bereich.height);
    SetMinSize(wxSize(g.MinBreite, g.MinHoehe));
    SetSize(g.Breite, g.Hoehe);
    FNormalGroesse = GetSize();
    Zentrieren();
}

void THauptFrame::Zentrieren() {
    const wxRect Bereich = Arbeitsbereich();
    const wxSize Groesse = GetSize();
    const TRechteck Lage =
        FensterZentrieren(IsMaximized(), {Bereich.x, Bereich.y, Bereich.width, Bereich.height},
                          Groesse.GetWidth(), Groesse.GetHeight());
    Move(Lage.Left, Lage.Top);
}

std::optional<TFensterlage> THauptFrame::Fensterlage() const {
    if (IsIconized()) {
        return std::nullopt;
    }
    const wxSize Normal = IsMaximized() ? FNormalGroesse : GetSize();
    return TFensterlage{IsMaximized() ? fzMaximiert : fzNormal, Normal.GetHeight(), Normal.GetWidth()};
}

void THauptFrame::FensterlageSetzen(const TFensterlage& ALage) {
    Maximize(false);
    const wxRect Bereich = Arbeitsbereich();
    const TFenstergroesse g = ::GroesseBegrenzen(Bereich.width, Bereich.height, ALage.Width, ALage.Height);
    SetSize(g.Breite, g.Hoehe);
    FNormalGroesse = GetSize();
    Zentrieren();
    Maximize(ALage.WindowState == fzMaximiert);
}

void THauptFrame::SchalterEinrichten() {
    const wxSize Client = FPanel->GetClientSize();
    const int StatusHoehe = GetStatusBar()->GetSize().GetHeight();
    const TSchalterLayout l = ::SchalterEinrichten(Client.GetWidth(), Client.GetHeight(), StatusHoehe);
    // A GTK drop-down box keeps its own height; the list starts where the rule puts it.
    FCombo->SetSize(l.Combo.Left, l.Combo.Top, l.Combo.Width, -1);
    FListe->SetSize(l.Liste.Left, l.Liste.Top, l.Liste.Width, l.Liste.Height);
}

void THauptFrame::TitelSetzen(const std::string& ATitel) {
    SetTitle(Wx(ATitel));
}

std::string THauptFrame::Statustext() const {
    return Utf8(GetStatusBar()->GetStatusText(0));
}

void THauptFrame::StatustextSetzen(const std::string& AText) {
    GetStatusBar()->SetStatusText(Wx(AText), 0);
}

void THauptFrame::SchriftartZuweisen(const TSchrift& AFont, TFarbe ABackColor) {
    const wxFont Schrift = WxFont(AFont);
    const wxColour Vorne = WxFarbe(AFont.Farbe);
    const wxColour Hinten = WxFarbe(ABackColor);
    wxStatusBar* Status = GetStatusBar();
    Status->SetFont(Schrift);
    Status->SetMinHeight(Status->GetCharHeight() + 2 * wxSystemSettings::GetMetric(wxSYS_EDGE_Y, this) + 4);
    for (wxWindow* Fenster :
         {static_cast<wxWindow*>(FPanel), static_cast<wxWindow*>(FCombo), static_cast<wxWindow*>(FListe)}) {
        Fenster->SetFont(Schrift);
        Fenster->SetForegroundColour(Vorne);
        Fenster->SetBackgroundColour(Hinten);
    }
    SetBackgroundColour(Hinten);
    SendSizeEvent();
    SchalterEinrichten();
    Refresh();
}

void THauptFrame::MenueAktualisieren() {
    wxMenuBar* Leiste = GetMenuBar();
    for (size_t i = 0; i < Leiste->GetMenuCount(); ++i) {
        MenueZustaendeSetzen(*Leiste->GetMenu(i));
    }
    AktualisierungZeigen();
}

// GTK does not lay out an open menu again for an item added or removed, so the help menu is
// changed only while it is closed: with every other menu, after every command and with the clock.
void THauptFrame::AktualisierungZeigen() {
    if (FHilfeOffen) {
        return;
    }
    const bool Sichtbar = FForm != nullptr && FForm->MenueZustand(mbAktualisierung).SichtbarS;
    const bool Drin = FHilfeMenue->FindChildItem(FAktualisierung->GetId()) != nullptr;
    if (Sichtbar && !Drin) {
        // Before "&Info", the last item.
        FHilfeMenue->Insert(FHilfeMenue->GetMenuItemCount() - 1, FAktualisierung);
    } else if (!Sichtbar && Drin) {
        FHilfeMenue->Remove(FAktualisierung);
    }
}

void THauptFrame::HistoryMenueSetzen(const std::vector<THistoryMenuItem>& AEintraege) {
    for (wxMenuItem* Alt : FHistoryEintraege) {
        FDateiMenue->Destroy(Alt);
    }
    FHistoryEintraege.clear();
    if (AEintraege.empty()) {
        return;
    }
    // Each goes directly before "&Beenden", so they keep their order; then the separator.
    for (const THistoryMenuItem& e : AEintraege) {
        FHistoryEintraege.push_back(
            FDateiMenue->Insert(FDateiMenue->GetMenuItemCount() - 1, idHistory + e.Tag, Wx(e.Caption)));
    }
    FHistoryEintraege.push_back(FDateiMenue->InsertSeparator(FDateiMenue->GetMenuItemCount() - 1));
}

void THauptFrame::SplashVerbergen() {
    if (FSplash != nullptr) {
        FSplash->Hide();
    }
}

void THauptFrame::SplashAbwarten() {
    if (FSplash == nullptr || !FSplash->IsShown()) {
        return;
    }
    FSplash->Raise();
    FSplash->Update();
    FWarAktiv = IsEnabled();
    Disable();
    while (FSplash->IsShown() && FSplash->Sichtbar() < SplashZeitMs && !FForm->IsClosing()) {
        wxTheApp->Yield(true);
        wxMilliSleep(10);
    }
}

void THauptFrame::SplashFreigeben() {
    if (FSplash == nullptr) {
        return;
    }
    FSplash->Destroy();
    FSplash = nullptr;
    Enable(FWarAktiv);
}

void THauptFrame::PeriodenLaden(const TPeriodenliste& APerioden) {
    FPerioden.clear();
    FPerioden.reserve(APerioden.Count());
    for (std::int32_t i = 0; i < APerioden.Count(); ++i) {
        FPerioden.push_back(Wx(APerioden[i].Name));
    }
    FPeriodenNr = -1;
}

std::string THauptFrame::PeriodenText() const {
    return Utf8(FCombo->GetValue());
}

std::int32_t THauptFrame::PeriodenIndex() const {
    // Typing in the box leaves the chosen period.
    const bool Gilt = FPeriodenNr >= 0 && FPeriodenNr < static_cast<std::int32_t>(FPerioden.size()) &&
                      FCombo->GetValue() == FPerioden[FPeriodenNr];
    return Gilt ? FPeriodenNr : -1;
}

void THauptFrame::PeriodeWaehlen(std::int32_t ANr) {
    if (ANr < 0 || ANr >= static_cast<std::int32_t>(FPerioden.size())) {
        return;
    }
    FPeriodenNr = ANr;
    FCombo->ChangeValue(FPerioden[ANr]);
}

void THauptFrame::PeriodenAufklappen() {
    TPeriodenAuswahl Auswahl(FCombo, FPerioden, PeriodenIndex());
    const bool Gewaehlt = Auswahl.ShowModal() == wxID_OK;
    FCombo->SetFocus();
    if (Gewaehlt) {
        PeriodeWaehlen(Auswahl.Gewaehlt());
        FForm->Ausfuehren([this] { FForm->Tagesliste.PeriodeGewaehlt(); });
    }
}

void THauptFrame::PeriodenTextMarkieren() {
    FCombo->SelectAll();
}

void THauptFrame::PeriodenFokus() {
    FNachBefehl.FokusVormerken(TNachBefehl::zPeriode);
}

void THauptFrame::ZeilenErsetzen(const TZeilenliste& AZeilen) {
    // The day list keeps these lines unchanged until it hands over the next ones, and the list
    // shows their texts where they are.
    FListe->ZeilenZeigen(AZeilen);
    FNachBefehl.ZeilenErsetzt();
}

std::int32_t THauptFrame::ZeilenIndex() const {
    return FNachBefehl.OffeneZeile().value_or(FListe->GetSelection());
}

void THauptFrame::ZeileWaehlen(std::int32_t ANr) {
    FNachBefehl.ZeileWaehlen(ANr);
}

void THauptFrame::ZeileSetzen(std::int32_t ANr) {
    // GTK's cursor announces its line as focused even in an inactive window, and the screen
    // reader would then skip the window's title: it follows when the window is active. Moving
    // the cursor selects its line, so the line is selected once.
    if (IsActive()) {
        FListe->CursorSetzen(ANr);
    } else {
        FListe->SetSelection(ANr);
    }
    FListe->EnsureVisible(ANr);
}

void THauptFrame::ZeilenFokus() {
    FNachBefehl.FokusVormerken(TNachBefehl::zZeilen);
}

void THauptFrame::FokusSetzen(TNachBefehl::TZiel AZiel) {
    if (AZiel == TNachBefehl::zPeriode) {
        FCombo->SetFocus();
        return;
    }
    // Before the window is active the screen reader would hear the list before the window's title.
    if (!FListe->IsEnabled() || !FListe->IsShownOnScreen()) {
        return;
    }
    FListe->SetFocus();
    if (!IsActive()) {
        FFokusNachAktivierung = true;
        return;
    }
    FListe->CursorSetzen(FListe->GetSelection());
}

void THauptFrame::NachBefehl(std::function<void()> AAufruf) {
    NachEreignis([Fenster = wxWeakRef<THauptFrame>(this), Aufruf = std::move(AAufruf)] {
        if (Fenster) {
            Aufruf();
        }
    });
}

void THauptFrame::ImLeerlauf(std::function<void()> AAufruf) {
    CallAfter(std::move(AAufruf));
}

bool THauptFrame::ZeilenHatFokus() const {
    return FZeilenFokusS;
}

void THauptFrame::OnActivate(wxActivateEvent& AEreignis) {
    AEreignis.Skip();
    if (AEreignis.GetActive() && FFokusNachAktivierung) {
        FFokusNachAktivierung = false;
        // After GTK has given the window its focus widget.
        ZeilenFokus();
    }
}

void THauptFrame::Piep() {
    wxBell();
}

void THauptFrame::OnShow(wxShowEvent& AEreignis) {
    AEreignis.Skip();
    if (AEreignis.IsShown() && FForm->FormShow()) {
        FTimer2.StartOnce(5);
    }
}

void THauptFrame::OnTimer2(wxTimerEvent&) {
    try {
        FForm->Timer2Timer();
    } catch (const std::exception& Fehler) {
        Frage(maFehler, Fehler.what(), mkOK);
    }
    if (FForm->StartVorschauS() && !FForm->IsClosing()) {
        FTimer0.StartOnce(StartVorschauMs);
    }
}

void THauptFrame::OnTimer0(wxTimerEvent&) {
    FForm->Timer0Timer();
}

void THauptFrame::OnTimer1(wxTimerEvent&) {
    FForm->Timer1Timer();
    AktualisierungZeigen();
}

void THauptFrame::OnSize(wxSizeEvent& AEreignis) {
    AEreignis.Skip();
    if (IsShown() && !IsIconized() && !FForm->IsClosing()) {
        if (!IsMaximized()) {
            FNormalGroesse = GetSize();
        }
        SchalterEinrichten();
    }
}

void THauptFrame::OnClose(wxCloseEvent& AEreignis) {
    if (AEreignis.CanVeto() && !FForm->FormCloseQuery()) {
        AEreignis.Veto();
        return;
    }
    FForm->FormClose();
    // What the program put on the clipboard stays there after it ends.
    if (wxTheClipboard->IsOpened() || wxTheClipboard->Open()) {
        wxTheClipboard->Flush();
        wxTheClipboard->Close();
    }
    Destroy();
}

void THauptFrame::OnCharHook(wxKeyEvent& AEreignis) {
    const int Taste = AEreignis.GetKeyCode();
    const int Umschalt = AEreignis.GetModifiers();
    const bool Pfeil = Taste == WXK_DOWN || Taste == WXK_UP;
    // F4 is the preview of today here too; only Alt with an arrow opens the box's list.
    if (Pfeil && Umschalt == wxMOD_ALT && FindFocus() == FCombo) {
        PeriodenAufklappen();
        return;
    }
    // The box holds no items for GTK to step through: the arrows pick the periods themselves.
    if (Pfeil && Umschalt == wxMOD_NONE && FindFocus() == FCombo) {
        FForm->Ausfuehren([this, Taste] { FForm->Tagesliste.PeriodeSchritt(Taste == WXK_DOWN); });
        return;
    }
    const bool Kontextmenue =
        (Umschalt == wxMOD_NONE && Taste == WXK_MENU) || (Umschalt == wxMOD_SHIFT && Taste == WXK_F10);
    if (Kontextmenue && FindFocus() == FCombo) {
        ComboPopup();
        return;
    }
    if (Kontextmenue && FindFocus() == FListe) {
        ListenPopup();
        return;
    }
    // Where the list leaves Return to the window (GTK sends it as a double click, above).
    const bool Eingabe = Taste == WXK_RETURN || Taste == WXK_NUMPAD_ENTER;
    if (Eingabe && Umschalt == wxMOD_NONE && FindFocus() == FListe) {
        FForm->ZeileEingabe();
        return;
    }
    if (!MenueKurztasteAusfuehren(*this, AEreignis, [this] { MenueAktualisieren(); })) {
        AEreignis.Skip();
    }
}

bool THauptFrame::GeheDatumZeigen(TTag& ADatum) {
    if (FGeheDatumForm == nullptr) {
        FGeheDatumForm = new TWxGeheDatumForm(this, FForm->Tolk, FForm->AktFont, FForm->AktBackColor);
    }
    return FGeheDatumForm->Ausfuehren(ADatum);
}

bool THauptFrame::SchriftDialogZeigen(TSchrift& AFont, TFarbe& ABackColor) {
    // The font list is read afresh each time: fonts may have been installed meanwhile.
    TWxBackFontDlg Dlg(this, FForm->Tolk, AFont, ABackColor);
    if (!Dlg.Ausfuehren()) {
        return false;
    }
    AFont = Dlg.GetNewFont();
    ABackColor = Dlg.ChosenBackColor();
    return true;
}

bool THauptFrame::VortageZeigen(int& ATage) {
    if (FVortageForm == nullptr) {
        FVortageForm = new TWxVortageForm(this, FForm->Tolk, FForm->AktFont, FForm->AktBackColor);
    }
    return FVortageForm->Ausfuehren(ATage);
}

void THauptFrame::ComboPopup() {
    PopupZeigen(*FCombo, ComboPopupBefehle());
}

void THauptFrame::ListenPopup() {
    PopupZeigen(*FListe, ListenPopupBefehle());
}

void THauptFrame::OnMenu(wxCommandEvent& AEreignis) {
    const int Id = AEreignis.GetId();
    if (const std::optional<TMenueBefehl> Befehl = BefehlAusId(Id)) {
        FForm->MenueBefehl(*Befehl);
        return;
    }
    if (Id >= idHistory && Id < idHistoryEnde) {
        FForm->Ausfuehren([this, Id] { FForm->HistoryMenuClick(Id - idHistory); });
        return;
    }
    if (Id == idBeenden) {
        Close();
        return;
    }
    AEreignis.Skip();
}
