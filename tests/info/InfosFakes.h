#pragma once

// Fakes of what the information window's behaviour talks to: the media player, the beep, the
// save dialog and the window itself.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "controls/TDateiDialog.h"
#include "info/TInfosBefehle.h"
#include "model/Fehler.h"
#include "platform/MediaPlayer.h"
#include "platform/SystemKlang.h"

// Plays for as many IsPlaying calls as Laenge says; Kaputt names a file that fails to open.
class TFakePlayer : public TMediaPlayer {
public:
    std::vector<std::string> Aufrufe;
    std::string Kaputt;
    int Laenge = 1;

    void Open(const std::string& AFileName) override {
        if (AFileName == Kaputt) {
            throw EBetriebssystemFehler("Datei nicht lesbar");
        }
        Aufrufe.push_back("Open " + AFileName);
    }
    void Play() override {
        Aufrufe.push_back("Play");
        FRest = Laenge;
    }
    bool IsPlaying() override { return FRest-- > 0; }
    void Stop() override {
        Aufrufe.push_back("Stop");
        FRest = 0;
    }
    void Rewind() override {}
    void Close() override { Aufrufe.push_back("Close"); }

private:
    int FRest = 0;
};

class TFakeKlang : public TSystemKlang {
public:
    int Pieps = 0;
    std::vector<std::string> Gespielt;
    bool PlaySystemSound(const std::string& AAlias) override {
        Gespielt.push_back(AAlias);
        return true;
    }
    bool SignalBeep() override {
        ++Pieps;
        return true;
    }
};

// Answers the save dialog with Antwort and the filter index FilterIndex; an empty answer cancels.
class TFakeSpeichernDialog : public TDateiDialog {
public:
    std::vector<TDateiDialogWahl> Wahlen;
    std::string Antwort;
    int FilterIndex = 1;

    bool Oeffnen(const TDateiDialogWahl&, std::string&) override {
        ADD_FAILURE() << "the information window asked for a file to open";
        return false;
    }
    bool Speichern(TDateiDialogWahl& AWahl, std::string& ADatei) override {
        Wahlen.push_back(AWahl);
        if (Antwort.empty()) {
            return false;
        }
        AWahl.FilterIndex = FilterIndex;
        ADatei = Antwort;
        return true;
    }
};

// The information window as the commands see it: what it was shown with, and how it ends. Beim
// acts in the shown window (a key, say) and gives its end; without it the window ends with Ende.
class TFakeInfosFenster : public TInfosFenster {
public:
    struct TGezeigt {
        std::string Caption;
        int HelpContext = 0;
        bool ZweiFensterS = false;
        bool VorschauS = false;
        bool BeendenS = false;
        std::string Text1;
        std::string Text2;
        std::vector<std::string> Sounds;
    };
    std::vector<TGezeigt> Gezeigt;
    TInfosErgebnis Ende = ieSchliessen;
    std::function<TInfosErgebnis(TInfosForm&)> Beim;
    int Geschlossen = 0;

    TInfosErgebnis InfosZeigen(TInfosForm& AForm) override {
        Gezeigt.push_back({AForm.Caption, AForm.HelpContext, AForm.ZweiFensterS, AForm.VorschauS,
                           AForm.BeendenS, AForm.Text1, AForm.Text2, AForm.SounddateienSl});
        return Beim ? Beim(AForm) : Ende;
    }
    void HauptfensterSchliessen() override { ++Geschlossen; }
};
