#pragma once

// The main window on wx: a status bar with the clock, the period box and the day list, and the
// menus. It forwards every event to TForm1 and shows what TForm1 tells it.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <wx/arrstr.h>
#include <wx/frame.h>
#include <wx/timer.h>

#include "controls/ui/TWxDateiDialog.h"
#include "entries/ui/TWxEintragEditor.h"
#include "extras/ui/TWxDrucker.h"
#include "info/TInfosTexte.h"
#include "instance/ui/TWxBefehle.h"
#include "search/ui/TWxSuchDialoge.h"
#include "window/TForm1.h"
#include "window/TNachBefehl.h"

class wxComboBox;
class wxMenu;
class wxMenuItem;
class wxPanel;
class TSplashScreenForm;
class TZeilenListe;
class TWxGeheDatumForm;
class TWxInfosForm;
class TWxGeladenForm;
class TWxVortageForm;

class THauptFrame : public wxFrame,
                    public THauptfensterAnsicht,
                    public TTageslisteSteuerung,
                    private TNachBefehl::TFenster {
public:
    // FormCreate. ASplash (may be null) is shown already; the start-up step removes it.
    THauptFrame(TEinstellungsspeicher& AEinstellungsspeicher, const std::string& ADokumenteOrdner,
                const std::string& AProgrammordner, const std::vector<std::string>& AArgumente,
                TSplashScreenForm* ASplash);
    ~THauptFrame() override;

    // Hides the splash picture (before any modal window).
    void SplashVerbergen();
    // Carries out a command another start handed over.
    void BefehlAusfuehren(const TRegistrySettings& ABefehl) { FBefehle->Ausfuehren(ABefehl); }

    // THauptfensterAnsicht
    void TitelSetzen(const std::string& ATitel) override;
    std::string Statustext() const override;
    void StatustextSetzen(const std::string& AText) override;
    void SchriftartZuweisen(const TSchrift& AFont, TFarbe ABackColor) override;
    std::optional<TFensterlage> Fensterlage() const override;
    void FensterlageSetzen(const TFensterlage& ALage) override;
    void MenueAktualisieren() override;
    void HistoryMenueSetzen(const std::vector<THistoryMenuItem>& AEintraege) override;
    void SplashAbwarten() override;
    void SplashFreigeben() override;
    bool GeheDatumZeigen(TTag& ADatum) override;
    bool SchriftDialogZeigen(TSchrift& AFont, TFarbe& ABackColor) override;
    bool VortageZeigen(int& ATage) override;

    // TTageslisteSteuerung
    void PeriodenLaden(const TPeriodenliste& APerioden) override;
    std::string PeriodenText() const override;
    std::int32_t PeriodenIndex() const override;
    void PeriodeWaehlen(std::int32_t ANr) override;
    void PeriodenTextMarkieren() override;
    void PeriodenFokus() override;
    void ZeilenErsetzen(const TZeilenliste& AZeilen) override;
    std::int32_t ZeilenIndex() const override;
    void ZeileWaehlen(std::int32_t ANr) override;
    void ZeilenFokus() override;
    bool ZeilenHatFokus() const override;
    void Piep() override;

private:
    wxPanel* FPanel = nullptr;
    wxComboBox* FCombo = nullptr;
    TZeilenListe* FListe = nullptr;
    wxMenu* FDateiMenue = nullptr;
    // The recent-file entries and their separator, as inserted before "&Beenden".
    std::vector<wxMenuItem*> FHistoryEintraege;
    // The size of the normal (restored) window, kept while it is maximized.
    wxSize FNormalGroesse;
    TSplashScreenForm* FSplash = nullptr;
    bool FWarAktiv = true;
    // The period box's items: GTK's box holds none, its list would be too tall (TPeriodenAuswahl).
    wxArrayString FPerioden;
    std::int32_t FPeriodenNr = -1;
    // The list takes the focus once the window is active.
    bool FFokusNachAktivierung = false;
    // The day list, not the period box, was the last of the two to take the focus.
    bool FZeilenFokusS = false;
    // The line and focus the current command leaves for its end.
    TNachBefehl FNachBefehl{*this};
    wxTimer FTimer1; // the clock
    wxTimer FTimer2; // the start-up step
    wxTimer FTimer0; // the start-up preview of "/systemstartup"
    std::unique_ptr<TForm1> FForm;
    // The dialogs, created at their first use and kept (owned by the window).
    TWxGeheDatumForm* FGeheDatumForm = nullptr;
    TWxVortageForm* FVortageForm = nullptr;
    // Handed-over commands and TimerSendTo.
    std::unique_ptr<TWxBefehle> FBefehle;
    // The search dialogs and what their information texts and sounds need.
    std::unique_ptr<TZeitzone> FZeitzone;
    std::unique_ptr<TSystemKlang> FKlang;
    std::unique_ptr<TInfosTexte> FInfos;
    std::unique_ptr<TWxSuchDialoge> FSuchDialoge;
    // The information window (owned by the window).
    TWxInfosForm* FInfosForm = nullptr;
    // The entry editor of the entry commands.
    std::unique_ptr<TWxEintragEditor> FEintragEditor;
    // The file dialogs of every command and dialog of this window.
    TWxDateiDialog FDateiDialog{this};
    // The loaded-files dialog of the file commands (owned by the window).
    TWxGeladenForm* FGeladenForm = nullptr;
    // What the extras need: the desktop's program start, the autostart entry, the printer.
    std::unique_ptr<TProgrammStart> FProgrammStart;
    std::unique_ptr<TSpezialOrdner> FSpezialOrdner;
    std::unique_ptr<TAutostart> FAutostart;
    TWxDrucker FDrucker{this};
    // "&Aktualisierung...", out of its menu while the updater is missing.
    wxMenu* FHilfeMenue = nullptr;
    wxMenuItem* FAktualisierung = nullptr;
    bool FHilfeOffen = false;

    void MenuesErstellen();
    // Puts "&Aktualisierung..." into the help menu or takes it out, as TForm1 says.
    void AktualisierungZeigen();
    // Each command item of AMenue (and its submenus) takes the state TForm1 gives it.
    void MenueZustaendeSetzen(wxMenu& AMenue);
    // Shows a pop-up menu of these commands over AFenster, their states set first.
    void PopupZeigen(wxWindow& AFenster, const std::vector<TMenueBefehl>& ABefehle);
    // The period box's pop-up menu: the three views.
    void ComboPopup();
    // The day list's pop-up menu: the entry commands and the font dialog.
    void ListenPopup();
    void GroesseBegrenzen();
    wxRect Arbeitsbereich() const;
    void Zentrieren();
    void SchalterEinrichten();
    // Opens the period box's list; a period chosen there is shown.
    void PeriodenAufklappen();
    // TNachBefehl::TFenster
    void ZeileSetzen(std::int32_t ANr) override;
    void FokusSetzen(TNachBefehl::TZiel AZiel) override;
    void NachBefehl(std::function<void()> AAufruf) override;
    void ImLeerlauf(std::function<void()> AAufruf) override;

    void OnShow(wxShowEvent& AEreignis);
    void OnActivate(wxActivateEvent& AEreignis);
    void OnTimer2(wxTimerEvent& AEreignis);
    void OnTimer1(wxTimerEvent& AEreignis);
    void OnTimer0(wxTimerEvent& AEreignis);
    void OnSize(wxSizeEvent& AEreignis);
    void OnClose(wxCloseEvent& AEreignis);
    void OnCharHook(wxKeyEvent& AEreignis);
    void OnMenu(wxCommandEvent& AEreignis);
};
