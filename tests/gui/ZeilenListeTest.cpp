// The day list's list box on GTK, with its own line model: what wx's list box interface, GTK's
// selection and the screen reader's cells see of its lines. Runs in a desktop session (sitzung.sh).

#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <wx/frame.h>

#include "GlibMeldungen.h"
#include "controls/ui/TZeilenListe.h"

namespace {

const std::vector<std::string> Woche = {"W2  Mo 06.01.2025: \"Dreikönig\"", "Di 07.01.2025",
                                        "Mi 08.01.2025: Zahnarzt"};

class ZeilenListeTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        Fenster = new wxFrame(nullptr, wxID_ANY, "Zeilen");
        Fenster->Show();
    }
    static void TearDownTestSuite() { delete Fenster; }

    void SetUp() override {
        GlibMeldungen().clear();
        Liste = new TZeilenListe(Fenster);
        Liste->SetSize(0, 0, 400, 300);
        Liste->Bind(wxEVT_LISTBOX, [this](wxCommandEvent& AEreignis) {
            Ereignisse.push_back({AEreignis.GetInt(), AEreignis.GetString().utf8_string()});
        });
        Liste->ZeilenSetzen(Woche);
    }
    // Also when the list goes: wx empties its own store then.
    void TearDown() override {
        delete Liste;
        EXPECT_EQ(GlibMeldungen(), std::vector<std::string>());
    }

    std::vector<std::string> Zeilen() const {
        std::vector<std::string> Ergebnis;
        for (unsigned int i = 0; i < Liste->GetCount(); ++i) {
            Ergebnis.push_back(Liste->GetString(i).utf8_string());
        }
        return Ergebnis;
    }
    // The line GTK's selection holds, -1 for none.
    int GtkAuswahl() const {
        GtkTreeModel* Modell = nullptr;
        GtkTreeIter Iter;
        if (!gtk_tree_selection_get_selected(gtk_tree_view_get_selection(Liste->m_treeview), &Modell,
                                             &Iter)) {
            return -1;
        }
        GtkTreePath* Pfad = gtk_tree_model_get_path(Modell, &Iter);
        const int Nr = gtk_tree_path_get_indices(Pfad)[0];
        gtk_tree_path_free(Pfad);
        return Nr;
    }
    // What the screen reader reads as the cell of line ANr.
    std::string Zellenname(int ANr) const {
        AtkObject* Tabelle = gtk_widget_get_accessible(GTK_WIDGET(Liste->m_treeview));
        AtkObject* Zelle = atk_table_ref_at(ATK_TABLE(Tabelle), ANr, 0);
        if (Zelle == nullptr) {
            return "<keine Zelle>";
        }
        const char* Name = atk_object_get_name(Zelle);
        std::string Ergebnis = Name != nullptr ? Name : "<kein Name>";
        g_object_unref(Zelle);
        return Ergebnis;
    }

    struct TEreignis {
        int Nr;
        std::string Text;
        bool operator==(const TEreignis&) const = default;
    };

    static inline wxFrame* Fenster = nullptr;
    TZeilenListe* Liste = nullptr;
    std::vector<TEreignis> Ereignisse;
};

TEST_F(ZeilenListeTest, ZeigtSeineZeilenUeberallGleich) {
    EXPECT_EQ(Zeilen(), Woche);
    GtkTreeModel* Modell = gtk_tree_view_get_model(Liste->m_treeview);
    EXPECT_EQ(gtk_tree_model_iter_n_children(Modell, nullptr), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Zellenname(i), Woche[i]) << "line " << i;
    }
    // Rows are not measured one by one.
    EXPECT_TRUE(gtk_tree_view_get_fixed_height_mode(Liste->m_treeview));
}

TEST_F(ZeilenListeTest, AuswahlImCodeOhneEreignis) {
    Liste->SetSelection(2);
    EXPECT_EQ(Liste->GetSelection(), 2);
    EXPECT_EQ(GtkAuswahl(), 2);
    EXPECT_TRUE(Liste->IsSelected(2));
    EXPECT_FALSE(Liste->IsSelected(0));
    wxArrayInt Nummern;
    ASSERT_EQ(Liste->GetSelections(Nummern), 1);
    EXPECT_EQ(Nummern[0], 2);
    Liste->SetSelection(wxNOT_FOUND);
    EXPECT_EQ(Liste->GetSelection(), wxNOT_FOUND);
    EXPECT_EQ(GtkAuswahl(), -1);
    EXPECT_TRUE(Ereignisse.empty());
}

TEST_F(ZeilenListeTest, AuswahlDesBenutzersMeldetZeileUndText) {
    GtkTreePath* Pfad = gtk_tree_path_new_from_indices(2, -1);
    gtk_tree_selection_select_path(gtk_tree_view_get_selection(Liste->m_treeview), Pfad);
    gtk_tree_path_free(Pfad);
    EXPECT_EQ(Ereignisse, (std::vector<TEreignis>{{2, Woche[2]}}));
    EXPECT_EQ(Liste->GetSelection(), 2);
}

TEST_F(ZeilenListeTest, NeueZeilenOhneAuswahlUndOhneEreignis) {
    Liste->SetSelection(1);
    const std::vector<std::string> Monat(31, "Zeile");
    Liste->ZeilenSetzen(Monat);
    EXPECT_EQ(Liste->GetSelection(), wxNOT_FOUND);
    EXPECT_EQ(GtkAuswahl(), -1);
    EXPECT_EQ(Zeilen(), Monat);
    EXPECT_EQ(Zellenname(30), "Zeile");
    Liste->ZeilenSetzen({});
    EXPECT_EQ(Liste->GetCount(), 0U);
    EXPECT_TRUE(Ereignisse.empty());
}

// wx's own ways of changing the lines reach the same model.
TEST_F(ZeilenListeTest, WxZeilenbefehle) {
    Liste->Append(wxString::FromUTF8("Do 09.01.2025: Kino"));
    Liste->Insert(wxString::FromUTF8("März"), 0);
    Liste->Delete(2);
    Liste->SetString(1, "Mo");
    EXPECT_EQ(Zeilen(),
              (std::vector<std::string>{"März", "Mo", "Mi 08.01.2025: Zahnarzt", "Do 09.01.2025: Kino"}));
    EXPECT_EQ(Zellenname(0), "März");
    EXPECT_EQ(Liste->FindString("mi 08.01.2025: zahnarzt"), 2);
    EXPECT_EQ(Liste->FindString("mi 08.01.2025: zahnarzt", true), wxNOT_FOUND);
    Liste->Clear();
    EXPECT_EQ(Liste->GetCount(), 0U);
}

// The day list's lines are shown where they are, not copied: the list reads a line's text as it
// is when asked. wx's line commands then work on a copy and leave the day list's lines alone.
TEST_F(ZeilenListeTest, ZeigtDieZeilenDerTageslisteOhneKopie) {
    TZeilenliste Tagesliste;
    for (const std::string& z : Woche) {
        Tagesliste.push_back(TZeile{z, nullptr});
    }
    Liste->SetSelection(1);
    Liste->ZeilenZeigen(Tagesliste);
    EXPECT_EQ(Liste->GetSelection(), wxNOT_FOUND);
    EXPECT_EQ(Zeilen(), Woche);
    EXPECT_EQ(Zellenname(2), Woche[2]);
    Tagesliste[0].Text = "gelesen, wo sie steht";
    EXPECT_EQ(Liste->GetString(0).utf8_string(), "gelesen, wo sie steht");

    Liste->SetString(1, "Di");
    EXPECT_EQ(Zeilen(), (std::vector<std::string>{"gelesen, wo sie steht", "Di", Woche[2]}));
    EXPECT_EQ(Tagesliste[1].Text, Woche[1]);
    EXPECT_TRUE(Ereignisse.empty());
}

// A jump within the period shown hands over the same texts from another place: the view keeps its
// rows (the screen reader hears no line go and come), reads them from the new place, and nothing
// stays selected. Other texts give the view a new model.
TEST_F(ZeilenListeTest, DieselbenTexteWechselnNurIhrenOrt) {
    TZeilenliste Alt;
    TZeilenliste Neu;
    for (const std::string& z : Woche) {
        Alt.push_back(TZeile{z, nullptr});
        Neu.push_back(TZeile{z, nullptr});
    }
    GtkTreeModel* Modell = gtk_tree_view_get_model(Liste->m_treeview);
    Liste->ZeilenZeigen(Alt);
    EXPECT_EQ(gtk_tree_view_get_model(Liste->m_treeview), Modell);
    Liste->SetSelection(1);
    Liste->ZeilenZeigen(Neu);
    EXPECT_EQ(gtk_tree_view_get_model(Liste->m_treeview), Modell);
    EXPECT_EQ(Liste->GetSelection(), wxNOT_FOUND);
    EXPECT_EQ(GtkAuswahl(), -1);
    Alt.clear();
    Alt.shrink_to_fit();
    Neu[2].Text = "gelesen am neuen Ort";
    EXPECT_EQ(Liste->GetString(2).utf8_string(), "gelesen am neuen Ort");
    EXPECT_EQ(Zellenname(1), Woche[1]);

    TZeilenliste Anders;
    for (const std::string& z : {Woche[0], Woche[1], std::string("Mi 08.01.2025")}) {
        Anders.push_back(TZeile{z, nullptr});
    }
    Liste->ZeilenZeigen(Anders);
    EXPECT_NE(gtk_tree_view_get_model(Liste->m_treeview), Modell);
    EXPECT_EQ(Zeilen(), (std::vector<std::string>{Woche[0], Woche[1], "Mi 08.01.2025"}));
    EXPECT_EQ(Zellenname(2), "Mi 08.01.2025");
    EXPECT_TRUE(Ereignisse.empty());
}

void FokusGemeldet(AtkObject*, gpointer, gpointer AZaehler) {
    ++*static_cast<int*>(AZaehler);
}

// After the same lines came again the cursor goes where the program puts it, and the screen
// reader is told of its line even when GTK's cursor had stayed there: there the view gets its
// rows anew (a new model), elsewhere it keeps them.
TEST_F(ZeilenListeTest, CursorNachDenselbenZeilenWirdGemeldet) {
    TZeilenliste Zeilen;
    for (const std::string& z : Woche) {
        Zeilen.push_back(TZeile{z, nullptr});
    }
    int Gemeldet = 0;
    AtkObject* Tabelle = gtk_widget_get_accessible(GTK_WIDGET(Liste->m_treeview));
    const gulong Verbindung =
        g_signal_connect(Tabelle, "active-descendant-changed", G_CALLBACK(FokusGemeldet), &Gemeldet);
    Liste->CursorSetzen(1);
    ASSERT_EQ(Gemeldet, 1);
    GtkTreeModel* Modell = gtk_tree_view_get_model(Liste->m_treeview);

    Liste->ZeilenZeigen(Zeilen);
    EXPECT_EQ(gtk_tree_view_get_model(Liste->m_treeview), Modell);
    Liste->CursorSetzen(2);
    EXPECT_EQ(Gemeldet, 2);
    EXPECT_EQ(gtk_tree_view_get_model(Liste->m_treeview), Modell);
    EXPECT_EQ(GtkAuswahl(), 2);

    Liste->ZeilenZeigen(Zeilen);
    Liste->CursorSetzen(2);
    EXPECT_EQ(Gemeldet, 3);
    EXPECT_NE(gtk_tree_view_get_model(Liste->m_treeview), Modell);
    EXPECT_EQ(GtkAuswahl(), 2);
    EXPECT_EQ(Zellenname(2), Woche[2]);
    // Without new lines the cursor on its selected line stays put and is not told again.
    Liste->CursorSetzen(2);
    EXPECT_EQ(Gemeldet, 3);
    g_signal_handler_disconnect(Tabelle, Verbindung);
}

TEST_F(ZeilenListeTest, SetStringBehaeltDieAuswahl) {
    Liste->SetSelection(1);
    Liste->SetString(1, "Di");
    EXPECT_EQ(Liste->GetSelection(), 1);
    EXPECT_EQ(Zellenname(1), "Di");
}

} // namespace
