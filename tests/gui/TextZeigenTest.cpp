// A program text put into a multi-line text control on GTK straight as UTF-8: what wx, GTK and
// the screen reader then see of it, and that wx's change events stay as ChangeValue leaves them.
// Runs in a desktop session (sitzung.sh).

#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <wx/frame.h>
#include <wx/textctrl.h>

#include "GlibMeldungen.h"
#include "controls/ui/WxText.h"

namespace {

class TextZeigenTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        Fenster = new wxFrame(nullptr, wxID_ANY, "Text");
        Fenster->Show();
    }
    static void TearDownTestSuite() { delete Fenster; }

    void SetUp() override {
        GlibMeldungen().clear();
        Feld = new wxTextCtrl(Fenster, wxID_ANY, "", wxDefaultPosition, wxSize(400, 300),
                              wxTE_MULTILINE | wxTE_READONLY);
        Feld->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { ++Ereignisse; });
    }
    void TearDown() override {
        delete Feld;
        EXPECT_EQ(GlibMeldungen(), std::vector<std::string>());
    }

    // The text as the screen reader reads it.
    std::string Vorgelesen() const {
        AtkText* Text = ATK_TEXT(gtk_widget_get_accessible(Feld->GetConnectWidget()));
        gchar* Inhalt = atk_text_get_text(Text, 0, -1);
        std::string Ergebnis = Inhalt != nullptr ? Inhalt : "";
        g_free(Inhalt);
        return Ergebnis;
    }

    static inline wxFrame* Fenster = nullptr;
    wxTextCtrl* Feld = nullptr;
    int Ereignisse = 0;
};

TEST_F(TextZeigenTest, ZeigtDenTextOhneCrWieChangeValue) {
    struct TFall {
        const char* Vorher;
        const char* Text;
        const char* Gezeigt;
    };
    const TFall Faelle[] = {
        {"", "W2  Mo 06.01.2025: \"Dreikönig\"\r\nDi 07.01.2025\r\n",
         "W2  Mo 06.01.2025: \"Dreikönig\"\nDi 07.01.2025\n"},
        {"alter Text\nzwei", "neu\r\n\r\nmit Leerzeile", "neu\n\nmit Leerzeile"},
        {"alter Text", "", ""},
        {"", "", ""},
        {"", "ein einzelnes \r bleibt", "ein einzelnes \r bleibt"},
    };
    for (const TFall& f : Faelle) {
        SCOPED_TRACE(f.Text);
        Feld->ChangeValue(wxString::FromUTF8(f.Vorher));
        Ereignisse = 0;
        TextZeigen(*Feld, f.Text);
        EXPECT_EQ(Feld->GetValue().utf8_string(), f.Gezeigt);
        EXPECT_EQ(Vorgelesen(), f.Gezeigt);
        EXPECT_EQ(Ereignisse, 0);
        EXPECT_FALSE(Feld->IsModified());
        // The next change is reported again: no ignored change signal is left over.
        Feld->AppendText("x");
        EXPECT_EQ(Ereignisse, 1);
    }
}

TEST_F(TextZeigenTest, UngueltigesUtf8GehtDenWegVonWx) {
    Feld->ChangeValue("alt");
    TextZeigen(*Feld, std::string("kaputt \xC3\x28 Ende"));
    EXPECT_EQ(Feld->GetValue().utf8_string(), WxZeilen("kaputt \xC3\x28 Ende").utf8_string());
    EXPECT_EQ(Ereignisse, 0);
}

} // namespace
