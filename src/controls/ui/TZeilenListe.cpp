#include "controls/ui/TZeilenListe.h"

#include <utility>

#include "controls/ui/GtkZugang.h"
#include "controls/ui/WxText.h"

#ifdef __WXGTK__
#include <gtk/gtk.h>

namespace {

// A flat tree model over UTF-8 lines, never changed once made but to show the same texts from
// another place: a refill with other lines makes a new one. It holds lines of its own (Eigene) or
// shows the texts of day-list lines that live elsewhere (Fremde, when Eigene is null). An
// iterator holds its line number.
struct TZeilenModell {
    GObject Basis;
    std::vector<std::string>* Eigene;
    std::span<const TZeile> Fremde;
};

const gint ModellStempel = 0x5a31;

TZeilenModell* Modell(GtkTreeModel* AModell) {
    return reinterpret_cast<TZeilenModell*>(AModell);
}

gint AnzahlZeilen(GtkTreeModel* AModell) {
    const TZeilenModell* m = Modell(AModell);
    return static_cast<gint>(m->Eigene != nullptr ? m->Eigene->size() : m->Fremde.size());
}

const std::string& Text(GtkTreeModel* AModell, std::size_t ANr) {
    const TZeilenModell* m = Modell(AModell);
    return m->Eigene != nullptr ? (*m->Eigene)[ANr] : m->Fremde[ANr].Text;
}

gboolean IterSetzen(GtkTreeModel* AModell, GtkTreeIter* AIter, gint ANr) {
    if (ANr < 0 || ANr >= AnzahlZeilen(AModell)) {
        AIter->stamp = 0;
        return FALSE;
    }
    AIter->stamp = ModellStempel;
    AIter->user_data = GINT_TO_POINTER(ANr);
    return TRUE;
}

gint IterNr(GtkTreeIter* AIter) {
    return GPOINTER_TO_INT(AIter->user_data);
}

GtkTreeModelFlags Flags(GtkTreeModel*) {
    return static_cast<GtkTreeModelFlags>(GTK_TREE_MODEL_LIST_ONLY | GTK_TREE_MODEL_ITERS_PERSIST);
}

gint AnzahlSpalten(GtkTreeModel*) {
    return 1;
}

GType SpaltenTyp(GtkTreeModel*, gint) {
    return G_TYPE_STRING;
}

gboolean IterAusPfad(GtkTreeModel* AModell, GtkTreeIter* AIter, GtkTreePath* APfad) {
    if (gtk_tree_path_get_depth(APfad) != 1) {
        AIter->stamp = 0;
        return FALSE;
    }
    return IterSetzen(AModell, AIter, gtk_tree_path_get_indices(APfad)[0]);
}

GtkTreePath* PfadAusIter(GtkTreeModel*, GtkTreeIter* AIter) {
    return gtk_tree_path_new_from_indices(IterNr(AIter), -1);
}

void Wert(GtkTreeModel* AModell, GtkTreeIter* AIter, gint, GValue* AWert) {
    g_value_init(AWert, G_TYPE_STRING);
    g_value_set_string(AWert, Text(AModell, static_cast<std::size_t>(IterNr(AIter))).c_str());
}

gboolean Naechste(GtkTreeModel* AModell, GtkTreeIter* AIter) {
    return IterSetzen(AModell, AIter, IterNr(AIter) + 1);
}

gboolean Vorige(GtkTreeModel* AModell, GtkTreeIter* AIter) {
    return IterSetzen(AModell, AIter, IterNr(AIter) - 1);
}

gboolean NteUnterzeile(GtkTreeModel* AModell, GtkTreeIter* AIter, GtkTreeIter* AOben, gint ANr) {
    if (AOben != nullptr) {
        AIter->stamp = 0;
        return FALSE;
    }
    return IterSetzen(AModell, AIter, ANr);
}

gboolean ErsteUnterzeile(GtkTreeModel* AModell, GtkTreeIter* AIter, GtkTreeIter* AOben) {
    return NteUnterzeile(AModell, AIter, AOben, 0);
}

gboolean HatUnterzeilen(GtkTreeModel*, GtkTreeIter*) {
    return FALSE;
}

gint AnzahlUnterzeilen(GtkTreeModel* AModell, GtkTreeIter* AIter) {
    return AIter == nullptr ? AnzahlZeilen(AModell) : 0;
}

gboolean Oben(GtkTreeModel*, GtkTreeIter* AIter, GtkTreeIter*) {
    AIter->stamp = 0;
    return FALSE;
}

void ModellSchnittstelle(gpointer ASchnittstelle, gpointer) {
    auto* s = static_cast<GtkTreeModelIface*>(ASchnittstelle);
    s->get_flags = Flags;
    s->get_n_columns = AnzahlSpalten;
    s->get_column_type = SpaltenTyp;
    s->get_iter = IterAusPfad;
    s->get_path = PfadAusIter;
    s->get_value = Wert;
    s->iter_next = Naechste;
    s->iter_previous = Vorige;
    s->iter_children = ErsteUnterzeile;
    s->iter_has_child = HatUnterzeilen;
    s->iter_n_children = AnzahlUnterzeilen;
    s->iter_nth_child = NteUnterzeile;
    s->iter_parent = Oben;
}

GObjectClass* ModellBasisKlasse = nullptr;

void ModellFreigeben(GObject* AObjekt) {
    delete reinterpret_cast<TZeilenModell*>(AObjekt)->Eigene;
    ModellBasisKlasse->finalize(AObjekt);
}

void ModellKlasse(gpointer AKlasse, gpointer) {
    ModellBasisKlasse = static_cast<GObjectClass*>(g_type_class_peek_parent(AKlasse));
    static_cast<GObjectClass*>(AKlasse)->finalize = ModellFreigeben;
}

GType ModellTyp() {
    static const GType Typ = [] {
        const GType t =
            g_type_register_static_simple(G_TYPE_OBJECT, "OrvantoZeilenModell", sizeof(GObjectClass),
                                          ModellKlasse, sizeof(TZeilenModell), nullptr, GTypeFlags(0));
        const GInterfaceInfo Schnittstelle{ModellSchnittstelle, nullptr, nullptr};
        g_type_add_interface_static(t, GTK_TYPE_TREE_MODEL, &Schnittstelle);
        return t;
    }();
    return Typ;
}

GtkTreeModel* NeuesModell(std::vector<std::string> AZeilen) {
    auto* m = static_cast<TZeilenModell*>(g_object_new(ModellTyp(), nullptr));
    m->Eigene = new std::vector<std::string>(std::move(AZeilen));
    return GTK_TREE_MODEL(m);
}

GtkTreeModel* NeuesModell(std::span<const TZeile> AZeilen) {
    auto* m = static_cast<TZeilenModell*>(g_object_new(ModellTyp(), nullptr));
    m->Eigene = nullptr;
    m->Fremde = AZeilen;
    return GTK_TREE_MODEL(m);
}

size_t Zeichen(const std::string& AText) {
    size_t n = 0;
    for (const char c : AText) {
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }
    return n;
}

// The line of AModell with the most characters.
wxString Laengste(GtkTreeModel* AModell) {
    const std::string* Treffer = nullptr;
    size_t Laenge = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(AnzahlZeilen(AModell)); ++i) {
        const std::string& z = Text(AModell, i);
        const size_t n = Zeichen(z);
        if (Treffer == nullptr || n > Laenge) {
            Treffer = &z;
            Laenge = n;
        }
    }
    return Treffer == nullptr ? wxString() : Wx(*Treffer);
}

bool GleicheZeilen(GtkTreeModel* AAlt, GtkTreeModel* ANeu) {
    const gint n = AnzahlZeilen(AAlt);
    if (n != AnzahlZeilen(ANeu)) {
        return false;
    }
    for (std::size_t i = 0; i < static_cast<std::size_t>(n); ++i) {
        if (Text(AAlt, i) != Text(ANeu, i)) {
            return false;
        }
    }
    return true;
}

} // namespace

TZeilenListe::TZeilenListe(wxWindow* AParent)
    : wxListBox(AParent, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, nullptr, wxLB_SINGLE) {
    // wx's column shows column 0 of the view's model as text: wx's store converts its line
    // objects, ours holds the text itself.
    FModell = NeuesModell(std::vector<std::string>{});
    // The view held the only reference to wx's store, which wx still uses until it is gone.
    g_object_ref(m_liststore);
    gtk_tree_view_set_model(m_treeview, FModell);
}

TZeilenListe::~TZeilenListe() {
    gtk_tree_view_set_model(m_treeview, GTK_TREE_MODEL(m_liststore));
    g_object_unref(m_liststore);
    g_object_unref(FModell);
}

void TZeilenListe::ZeilenSetzen(std::vector<std::string> AZeilen) {
    ModellSetzen(NeuesModell(std::move(AZeilen)));
}

void TZeilenListe::ZeilenZeigen(std::span<const TZeile> AZeilen) {
    ModellSetzen(NeuesModell(AZeilen));
}

void TZeilenListe::ModellSetzen(GtkTreeModel* AModell) {
    // Nothing selected while the old lines go: a selected or focused line leaving would be told to
    // the screen reader line by line.
    GTKDisableEvents();
    gtk_tree_selection_unselect_all(gtk_tree_view_get_selection(m_treeview));
    if (GleicheZeilen(FModell, AModell)) {
        // The same lines again (a jump within the period shown): the view keeps its rows and reads
        // them from their new place. A new model would tell the screen reader of every line going
        // and coming (a tenth of a second for a year's lines) to say the same.
        std::swap(Modell(FModell)->Eigene, Modell(AModell)->Eigene);
        std::swap(Modell(FModell)->Fremde, Modell(AModell)->Fremde);
        g_object_unref(AModell);
    } else {
        ModellTauschen(AModell);
    }
    GTKEnableEvents();
}

void TZeilenListe::ModellTauschen(GtkTreeModel* AModell) {
    // No model while the old lines go.
    gtk_tree_view_set_model(m_treeview, nullptr);
    g_object_unref(FModell);
    FesteZeilen(*this, Laengste(AModell));
    FModell = AModell;
    gtk_tree_view_set_model(m_treeview, FModell);
}

int TZeilenListe::CursorZeile() const {
    GtkTreePath* Cursor = nullptr;
    gtk_tree_view_get_cursor(m_treeview, &Cursor, nullptr);
    if (Cursor == nullptr) {
        return -1;
    }
    const int Nr = gtk_tree_path_get_indices(Cursor)[0];
    gtk_tree_path_free(Cursor);
    return Nr;
}

void TZeilenListe::CursorSetzen(int ANr) {
    if (ANr >= 0 && ANr == CursorZeile() && !IsSelected(ANr)) {
        // GTK's cursor is on this line without selecting it (it stayed there when the same lines
        // came again): put there once more it would not be told, and the screen reader, which
        // reads the line after any refill, would say nothing. The view gets its rows anew, as for
        // other lines.
        GtkTreeModel* Neu = NeuesModell(std::vector<std::string>{});
        std::swap(Modell(FModell)->Eigene, Modell(Neu)->Eigene);
        std::swap(Modell(FModell)->Fremde, Modell(Neu)->Fremde);
        GTKDisableEvents();
        ModellTauschen(Neu);
        GTKEnableEvents();
    }
    ListenCursorSetzen(*this, ANr);
}

std::vector<std::string> TZeilenListe::Kopie() const {
    std::vector<std::string> Zeilen;
    Zeilen.reserve(GetCount());
    for (std::size_t i = 0; i < GetCount(); ++i) {
        Zeilen.push_back(Text(FModell, i));
    }
    return Zeilen;
}

unsigned int TZeilenListe::GetCount() const {
    return static_cast<unsigned int>(AnzahlZeilen(FModell));
}

wxString TZeilenListe::GetString(unsigned int ANr) const {
    wxCHECK_MSG(ANr < GetCount(), wxString(), "invalid line");
    return Wx(Text(FModell, ANr));
}

void TZeilenListe::SetString(unsigned int ANr, const wxString& AText) {
    wxCHECK_RET(ANr < GetCount(), "invalid line");
    std::vector<std::string> Neu = Kopie();
    Neu[ANr] = Utf8(AText);
    const int Gewaehlt = GetSelection();
    ZeilenSetzen(std::move(Neu));
    if (Gewaehlt >= 0) {
        DoSetSelection(Gewaehlt, true);
    }
}

int TZeilenListe::FindString(const wxString& AText, bool AGrossKleinS) const {
    for (unsigned int i = 0; i < GetCount(); ++i) {
        if (GetString(i).IsSameAs(AText, AGrossKleinS)) {
            return static_cast<int>(i);
        }
    }
    return wxNOT_FOUND;
}

bool TZeilenListe::IsSelected(int ANr) const {
    if (ANr < 0 || ANr >= static_cast<int>(GetCount())) {
        return false;
    }
    GtkTreePath* Pfad = gtk_tree_path_new_from_indices(ANr, -1);
    const bool Gewaehlt = gtk_tree_selection_path_is_selected(gtk_tree_view_get_selection(m_treeview), Pfad);
    gtk_tree_path_free(Pfad);
    return Gewaehlt;
}

int TZeilenListe::GetSelection() const {
    GtkTreeIter Iter;
    if (!gtk_tree_selection_get_selected(gtk_tree_view_get_selection(m_treeview), nullptr, &Iter)) {
        return wxNOT_FOUND;
    }
    return IterNr(&Iter);
}

int TZeilenListe::GetSelections(wxArrayInt& ANummern) const {
    ANummern.clear();
    if (const int Nr = GetSelection(); Nr != wxNOT_FOUND) {
        ANummern.push_back(Nr);
    }
    return static_cast<int>(ANummern.size());
}

// A line already in sight stays where it is; another comes to the middle.
void TZeilenListe::EnsureVisible(int ANr) {
    wxCHECK_RET(ANr >= 0 && ANr < static_cast<int>(GetCount()), "invalid line");
    GtkTreePath* Erste = nullptr;
    GtkTreePath* Letzte = nullptr;
    if (gtk_tree_view_get_visible_range(m_treeview, &Erste, &Letzte)) {
        const bool SichtbarS =
            gtk_tree_path_get_indices(Erste)[0] <= ANr && ANr <= gtk_tree_path_get_indices(Letzte)[0];
        gtk_tree_path_free(Erste);
        gtk_tree_path_free(Letzte);
        if (SichtbarS) {
            return;
        }
    }
    Scrollen(ANr, 0.5F);
}

void TZeilenListe::DoSetFirstItem(int ANr) {
    wxCHECK_RET(ANr >= 0 && ANr < static_cast<int>(GetCount()), "invalid line");
    Scrollen(ANr, 0.0F);
}

void TZeilenListe::Scrollen(int ANr, float AHoehe) {
    GtkTreePath* Pfad = gtk_tree_path_new_from_indices(ANr, -1);
    gtk_tree_view_scroll_to_cell(m_treeview, Pfad, nullptr, TRUE, AHoehe, 0.0F);
    gtk_tree_path_free(Pfad);
}

void TZeilenListe::DoClear() {
    ZeilenSetzen({});
}

void TZeilenListe::DoDeleteOneItem(unsigned int ANr) {
    wxCHECK_RET(ANr < GetCount(), "invalid line");
    std::vector<std::string> Neu = Kopie();
    Neu.erase(Neu.begin() + ANr);
    ZeilenSetzen(std::move(Neu));
}

int TZeilenListe::DoInsertItems(const wxArrayStringsAdapter& AZeilen, unsigned int APos, void**,
                                wxClientDataType ATyp) {
    wxCHECK_MSG(ATyp == wxClientData_None, wxNOT_FOUND, "the lines carry no client data");
    wxCHECK_MSG(APos <= GetCount(), wxNOT_FOUND, "invalid line");
    std::vector<std::string> Neu = Kopie();
    std::vector<std::string> Dazu;
    for (size_t i = 0; i < AZeilen.GetCount(); ++i) {
        Dazu.push_back(Utf8(AZeilen[i]));
    }
    Neu.insert(Neu.begin() + APos, Dazu.begin(), Dazu.end());
    ZeilenSetzen(std::move(Neu));
    return static_cast<int>(APos + Dazu.size()) - 1;
}

void TZeilenListe::DoSetSelection(int ANr, bool AWaehlenS) {
    // Selected in code: no selection event, as wx's own list box.
    wxCHECK_RET(ANr >= wxNOT_FOUND && ANr < static_cast<int>(GetCount()), "invalid line");
    GTKDisableEvents();
    GtkTreeSelection* Auswahl = gtk_tree_view_get_selection(m_treeview);
    if (ANr == wxNOT_FOUND) {
        gtk_tree_selection_unselect_all(Auswahl);
    } else {
        GtkTreePath* Pfad = gtk_tree_path_new_from_indices(ANr, -1);
        if (AWaehlenS) {
            gtk_tree_selection_select_path(Auswahl, Pfad);
        } else {
            gtk_tree_selection_unselect_path(Auswahl, Pfad);
        }
        gtk_tree_view_scroll_to_cell(m_treeview, Pfad, nullptr, FALSE, 0.0F, 0.0F);
        gtk_tree_path_free(Pfad);
    }
    GTKEnableEvents();
}

#else

TZeilenListe::TZeilenListe(wxWindow* AParent)
    : wxListBox(AParent, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, nullptr, wxLB_SINGLE) {}

TZeilenListe::~TZeilenListe() = default;

void TZeilenListe::CursorSetzen(int ANr) {
    ListenCursorSetzen(*this, ANr);
}

void TZeilenListe::ZeilenSetzen(std::vector<std::string> AZeilen) {
    wxArrayString Texte;
    Texte.reserve(AZeilen.size());
    for (const std::string& z : AZeilen) {
        Texte.push_back(Wx(z));
    }
    ListeErsetzen(*this, Texte);
}

void TZeilenListe::ZeilenZeigen(std::span<const TZeile> AZeilen) {
    wxArrayString Texte;
    Texte.reserve(AZeilen.size());
    for (const TZeile& z : AZeilen) {
        Texte.push_back(Wx(z.Text));
    }
    ListeErsetzen(*this, Texte);
}

#endif
