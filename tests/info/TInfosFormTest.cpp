#include "info/TInfosForm.h"

#include <filesystem>

#include "files/VkFiles.h"
#include "info/InfosFakes.h"
#include "platform/Umgebung.h"
#include "window/HauptfensterFakes.h"

namespace {

namespace fs = std::filesystem;

class InfosForm : public ::testing::Test {
protected:
    TFakeKlang Klang;
    TFakePlayer Player;
    TFakeMeldungen Meldungen;
    TInfosForm Form{Klang};

    void SetUp() override { TMeldungsPort::Setze(&Meldungen); }
    void TearDown() override { TMeldungsPort::Setze(nullptr); }

    // Ticks the sound timer until it stops (at most 50 ticks); the number of ticks.
    int TickenBisStopp(bool ASichtbarS = true) {
        int n = 1;
        while (Form.Timer1Timer(Player, ASichtbarS) && n < 50) {
            ++n;
        }
        return n;
    }
};

// A preview: heading, one event on line 2, separator.
TVorschauListe Vorschau() {
    TVorschauListe l;
    l.push_back({"Heute ist Montag, der 6. Jänner 2025, 10:00 Uhr", nullptr});
    l.push_back({"Heute (Montag) steht 1 Ereignis an:", nullptr});
    auto Kopie = std::make_unique<TDatenClass>();
    Kopie->Kurztext = "Arzt";
    l.push_back({"1.: \"Arzt\"", std::move(Kopie)});
    l.push_back({"--------------------", nullptr});
    return l;
}

TEST_F(InfosForm, TheInformationTextIsSplitAtItsFirstBlankLine) {
    const struct {
        std::string Text, Oben, Unten;
    } Faelle[] = {
        {"Tag 1\r\nTag 2\r\n\r\nEintrag 1\r\n\r\nEintrag 2\r\n", "Tag 1\r\nTag 2\r\n",
         "Eintrag 1\r\n\r\nEintrag 2\r\n"},
        {"Tag 1\r\nTag 2\r\n", "Tag 1\r\nTag 2\r\n", "(Kein Eintrag)\r\n"},
    };
    for (const auto& f : Faelle) {
        Form.InfosEinrichten(f.Text, {"/x/Wolf.wav"});
        EXPECT_EQ(Form.Text1, f.Oben);
        EXPECT_EQ(Form.Text2, f.Unten);
        EXPECT_EQ(Form.Caption, "Informationen");
        EXPECT_EQ(Form.HelpContext, 8);
        EXPECT_TRUE(Form.ZweiFensterS);
        EXPECT_FALSE(Form.BeendenS);
        EXPECT_EQ(Form.SounddateienSl, std::vector<std::string>{"/x/Wolf.wav"});
    }
}

TEST_F(InfosForm, ThePreviewsLinesAreThePanesLines) {
    Form.VorschauEinrichten(0, Vorschau(), {});
    EXPECT_EQ(Form.Caption, "Vorschau von heute");
    EXPECT_EQ(TInfosForm::VorschauCaption(5), "Vorschau der nächsten 5 Tage");
    EXPECT_EQ(Form.HelpContext, 9);
    EXPECT_TRUE(Form.VorschauS && Form.BeendenS && !Form.ZweiFensterS);
    EXPECT_EQ(Form.Text1,
              "Heute ist Montag, der 6. Jänner 2025, 10:00 Uhr\r\nHeute (Montag) steht 1 Ereignis "
              "an:\r\n1.: \"Arzt\"\r\n--------------------");
    ASSERT_NE(Form.Eintrag(2), nullptr);
    EXPECT_EQ(Form.Eintrag(2)->Kurztext, "Arzt");
    for (int Zeile : {-1, 0, 1, 3, 4}) {
        EXPECT_EQ(Form.Eintrag(Zeile), nullptr) << Zeile;
    }
}

TEST_F(InfosForm, EnterOnAnEventLineEndsThePreviewAnywhereElseItBeeps) {
    Form.VorschauEinrichten(0, Vorschau(), {});
    Form.FormShow();
    for (int Zeile : {0, 1, 3, 7}) {
        EXPECT_FALSE(Form.EnterTaste(Zeile)) << Zeile;
    }
    EXPECT_EQ(Klang.Pieps, 4);
    EXPECT_EQ(Form.EnterTaste(2), ieAlle);
    EXPECT_EQ(Form.AktZeile, 2);
    // Outside the preview no line jumps.
    Form.FormClose(Player);
    Form.InfosEinrichten("Tag\r\n", {});
    Form.FormShow();
    EXPECT_FALSE(Form.EnterTaste(2));
    EXPECT_EQ(Klang.Pieps, 5);
}

TEST_F(InfosForm, TheSoundsPlayOneAfterTheOther) {
    Form.InfosEinrichten("Tag\r\n", {"/a.wav", "/b.wav"});
    Player.Laenge = 2;
    ASSERT_TRUE(Form.FormShow());
    TickenBisStopp();
    EXPECT_EQ(Player.Aufrufe,
              (std::vector<std::string>{"Open /a.wav", "Play", "Close", "Open /b.wav", "Play", "Close"}));
    EXPECT_TRUE(Meldungen.Texte.empty());
    // Without sounds the timer does not run at all.
    Form.UeberblickEinrichten("Ü", 17, "Zeile\r\n");
    EXPECT_FALSE(Form.FormShow());
}

TEST_F(InfosForm, EscapeFirstStopsASoundThenCloses) {
    Form.InfosEinrichten("Tag\r\n", {"/a.wav", "/b.wav"});
    Player.Laenge = 10;
    Form.FormShow();
    ASSERT_TRUE(Form.Timer1Timer(Player, true));
    EXPECT_FALSE(Form.EscapeTaste(Player));
    // The list is not continued.
    EXPECT_FALSE(Form.Timer1Timer(Player, true));
    EXPECT_EQ(Player.Aufrufe, (std::vector<std::string>{"Open /a.wav", "Play", "Stop"}));
    EXPECT_EQ(Form.EscapeTaste(Player), ieSchliessen);
}

TEST_F(InfosForm, AHiddenWindowStopsItsSound) {
    Form.InfosEinrichten("Tag\r\n", {"/a.wav", "/b.wav"});
    Player.Laenge = 10;
    Form.FormShow();
    ASSERT_TRUE(Form.Timer1Timer(Player, true));
    EXPECT_FALSE(Form.Timer1Timer(Player, false));
    EXPECT_EQ(Player.Aufrufe.back(), "Stop");
}

TEST_F(InfosForm, ASoundThatFailsStopsTheListWithAMessage) {
    Form.InfosEinrichten("Tag\r\n", {"/kaputt.wav", "/b.wav"});
    Player.Kaputt = "/kaputt.wav";
    Form.FormShow();
    EXPECT_FALSE(Form.Timer1Timer(Player, true));
    EXPECT_TRUE(Form.StopS);
    ASSERT_EQ(Meldungen.Texte.size(), 1u);
    EXPECT_EQ(Meldungen.Texte[0], "Sound konnte nicht wiedergegeben werden: Datei nicht lesbar");
    EXPECT_FALSE(Form.Timer1Timer(Player, true));
    EXPECT_TRUE(Player.Aufrufe.empty());
}

TEST_F(InfosForm, ClosingResetsTheModesAndKeepsThePreview) {
    Form.VorschauEinrichten(0, Vorschau(), {"/a.wav"});
    Player.Laenge = 10;
    Form.FormShow();
    Form.Timer1Timer(Player, true);
    Form.FormClose(Player);
    EXPECT_FALSE(Form.VorschauS);
    EXPECT_FALSE(Form.ZweiFensterS);
    EXPECT_TRUE(Form.StopS);
    EXPECT_TRUE(Form.SounddateienSl.empty());
    EXPECT_EQ(Player.Aufrufe, (std::vector<std::string>{"Open /a.wav", "Play", "Stop", "Close"}));
    EXPECT_EQ(Form.ObjSl.size(), 4u);
}

TEST(InfosFormMenue, TheContextMenuNeedsAFocusedPaneTextAndASelection) {
    const struct {
        bool Fokus;
        std::string Text;
        bool Markiert;
        bool Alles, Kopieren, Speichern;
    } Faelle[] = {
        {false, "Text", true, false, false, false},
        {true, "Text", false, true, false, true},
        {true, "Text", true, true, true, true},
        {true, " \r\n", false, false, false, false},
    };
    for (const auto& f : Faelle) {
        const TInfosForm::TMenue m = TInfosForm::Kontextmenue(f.Fokus, f.Text, f.Markiert);
        EXPECT_EQ(m.AllesMarkierenS, f.Alles) << f.Text;
        EXPECT_EQ(m.KopierenS, f.Kopieren) << f.Text;
        EXPECT_EQ(m.SpeichernS, f.Speichern) << f.Text;
        EXPECT_EQ(m.DruckenS, f.Speichern) << f.Text;
    }
}

// Each file type of the save dialog writes the focused pane's text, and reading it back gives the
// text and the type.
TEST_F(InfosForm, EachSaveTypeIsWrittenAndReadBack) {
    TTempOrdner Temp;
    TFakeSpeichernDialog Dialog;
    Form.InfosEinrichten("Woche 2\r\nÄrger über Öl\r\n\r\nEintrag: Zahnarzt – 8 €\r\n", {});
    const struct {
        int Filter;
        int Pane;
        std::string Name, Datei;
        TFileTextType Typ;
        std::string Text;
    } Faelle[] = {
        {1, 1, "a", "a.RTF", fttRtf, "Woche 2\r\nÄrger über Öl\r\n"},
        {2, 2, "b.txt", "b.txt", fttAnsi, "Eintrag: Zahnarzt – 8 €\r\n"},
        {3, 1, "c", "c.TXT", fttUtf8, "Woche 2\r\nÄrger über Öl\r\n"},
        {4, 2, "d", "d.TXT", fttUnicode, "Eintrag: Zahnarzt – 8 €\r\n"},
    };
    for (const auto& f : Faelle) {
        SCOPED_TRACE(f.Datei);
        Dialog.Antwort = Temp.Pfad() + "/" + f.Name;
        Dialog.FilterIndex = f.Filter;
        ASSERT_TRUE(Form.SpeichernUnter(Dialog, f.Pane, TSchrift{}));
        TFileTextType Typ = fttNone;
        const std::string Gelesen = LoadTextFile(Temp.Pfad() + "/" + f.Datei, Typ);
        EXPECT_EQ(Typ, f.Typ);
        // The RTF reader gives its paragraphs with CR LF, each text its own line ends.
        EXPECT_EQ(Gelesen.substr(0, f.Text.size() - 2), f.Text.substr(0, f.Text.size() - 2));
    }
    ASSERT_EQ(Dialog.Wahlen.size(), 4u);
    EXPECT_EQ(Dialog.Wahlen[0].Filter, TInfosForm::SpeichernFilter);
    EXPECT_EQ(Dialog.Wahlen[0].StandardEndung, "RTF");
    EXPECT_EQ(Dialog.Wahlen[0].FilterIndex, 1);
    EXPECT_TRUE(Meldungen.Texte.empty());
}

TEST_F(InfosForm, ACancelledOrFailedSaveWritesNothing) {
    TTempOrdner Temp;
    TFakeSpeichernDialog Dialog;
    Form.InfosEinrichten("Tag\r\n", {});
    EXPECT_FALSE(Form.SpeichernUnter(Dialog, 1, TSchrift{}));
    EXPECT_TRUE(fs::is_empty(Temp.Pfad()));
    // A folder that does not exist: the system's message, nothing written.
    Dialog.Antwort = Temp.Pfad() + "/fehlt/a.txt";
    Dialog.FilterIndex = 2;
    EXPECT_FALSE(Form.SpeichernUnter(Dialog, 1, TSchrift{}));
    ASSERT_EQ(Meldungen.Texte.size(), 1u);
    EXPECT_FALSE(Meldungen.Texte[0].empty());
    EXPECT_TRUE(fs::is_empty(Temp.Pfad()));
}

TEST_F(InfosForm, LayoutSharesTheWorkAreaBetweenThePanes) {
    const TInfosForm::TMasse Masse{10, 20, 125, 30, 15, 1920, 1000};
    Form.InfosEinrichten("1\r\n2\r\n3\r\n\r\n4\r\n", {});
    TInfosForm::TLage l = Form.Layout(Masse);
    EXPECT_EQ(l.ClientWidth, 600);
    EXPECT_EQ(l.Pane1.Height, 6 * 20 + 15 + 20); // at least six lines, the scroll bar, 2m
    EXPECT_EQ(l.Pane2.Height, 3 * 20 + 20);
    EXPECT_EQ(l.Pane2.Top, l.Pane1.Bottom() + 10);
    EXPECT_EQ(l.Schliessen.Right(), 590);
    EXPECT_EQ(l.Beenden, TRechteck{});
    // 100 lines do not fit in three quarters of 1000 pixels: the panes share in proportion.
    std::string Lang;
    for (int i = 0; i < 100; ++i) {
        Lang += "Zeile\r\n";
    }
    Form.InfosEinrichten(Lang + "\r\n" + Lang, {});
    l = Form.Layout(Masse);
    EXPECT_LE(l.Pane1.Height + l.Pane2.Height + 10 + 30, 750);
    EXPECT_NEAR(l.Pane1.Height, l.Pane2.Height, 30);
    // The preview: one pane, "&Beenden" rightmost.
    Form.VorschauEinrichten(0, Vorschau(), {});
    l = Form.Layout(Masse);
    EXPECT_EQ(l.Pane2, TRechteck{});
    EXPECT_EQ(l.Beenden.Right(), 590);
    EXPECT_EQ(l.Schliessen.Right(), l.Beenden.Left - 10);
}

} // namespace
