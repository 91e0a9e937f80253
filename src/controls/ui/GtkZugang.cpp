#include "controls/ui/GtkZugang.h"

#include <algorithm>
#include <utility>

#include <wx/app.h>
#include <wx/arrstr.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/radiobox.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>

namespace {

void NameSetzen(GtkWidget* AWidget, const std::string& AName) {
    if (AWidget != nullptr) {
        atk_object_set_name(gtk_widget_get_accessible(AWidget), AName.c_str());
    }
}

// Every message box is announced with its own (German) title instead of GTK's default name for
// its kind, and its texts are plain labels: selectable ones would be Tab stops.
gboolean MeldungEinrichten(GSignalInvocationHint*, guint, const GValue* AWerte, gpointer) {
    GObject* Objekt = static_cast<GObject*>(g_value_get_object(&AWerte[0]));
    if (!GTK_IS_MESSAGE_DIALOG(Objekt)) {
        return TRUE;
    }
    GtkWidget* Dialog = GTK_WIDGET(Objekt);
    if (const gchar* Titel = gtk_window_get_title(GTK_WINDOW(Dialog))) {
        NameSetzen(Dialog, Titel);
    }
    GtkWidget* Bereich = gtk_message_dialog_get_message_area(GTK_MESSAGE_DIALOG(Dialog));
    GList* Kinder = gtk_container_get_children(GTK_CONTAINER(Bereich));
    for (GList* k = Kinder; k != nullptr; k = k->next) {
        if (GTK_IS_LABEL(k->data)) {
            gtk_label_set_selectable(GTK_LABEL(k->data), FALSE);
        }
    }
    g_list_free(Kinder);
    return TRUE;
}

// Keys with Ctrl move GTK's cursor without the selection (Ctrl+Down, Ctrl+End, Ctrl+N, ...) or
// start its search (Ctrl+F): the list takes none of them. They reach the list only when no menu
// shortcut took them; Ctrl+Tab still leaves the list.
gboolean ListenTaste(GtkWidget*, GdkEventKey* ATaste, gpointer) {
    const bool Tab = ATaste->keyval == GDK_KEY_Tab || ATaste->keyval == GDK_KEY_ISO_Left_Tab ||
                     ATaste->keyval == GDK_KEY_KP_Tab;
    return (ATaste->state & GDK_CONTROL_MASK) != 0 && !Tab;
}

// Whatever still moves the cursor (a mouse click, a binding not caught above) selects its line.
void CursorFolgen(GtkTreeView* ABaum, gpointer) {
    GtkTreePath* Pfad = nullptr;
    gtk_tree_view_get_cursor(ABaum, &Pfad, nullptr);
    if (Pfad == nullptr) {
        return;
    }
    GtkTreeSelection* Auswahl = gtk_tree_view_get_selection(ABaum);
    if (!gtk_tree_selection_path_is_selected(Auswahl, Pfad)) {
        gtk_tree_selection_select_path(Auswahl, Pfad);
    }
    gtk_tree_path_free(Pfad);
}

void PfeilSuchen(GtkWidget* AWidget, gpointer ATreffer) {
    GtkWidget*& Treffer = *static_cast<GtkWidget**>(ATreffer);
    if (Treffer != nullptr) {
        return;
    }
    if (GTK_IS_TOGGLE_BUTTON(AWidget)) {
        Treffer = AWidget;
    } else if (GTK_IS_CONTAINER(AWidget)) {
        // forall, not get_children: a read-only box keeps its button among its internal children.
        gtk_container_forall(GTK_CONTAINER(AWidget), PfeilSuchen, ATreffer);
    }
}

GtkWidget* Pfeilknopf(GtkWidget* ABox) {
    GtkWidget* Treffer = nullptr;
    gtk_container_forall(GTK_CONTAINER(ABox), PfeilSuchen, &Treffer);
    return Treffer;
}

gboolean PfeilGeklickt(GtkWidget*, GdkEventButton* AKlick, gpointer AAufklappen) {
    if (AKlick->type == GDK_BUTTON_PRESS && AKlick->button == 1) {
        (*static_cast<std::function<void()>*>(AAufklappen))();
    }
    return TRUE;
}

void AufklappenFreigeben(gpointer AAufklappen, GClosure*) {
    delete static_cast<std::function<void()>*>(AAufklappen);
}

gboolean AufrufAusfuehren(gpointer AAufruf) {
    (*static_cast<std::function<void()>*>(AAufruf))();
    return G_SOURCE_REMOVE;
}

void AufrufFreigeben(gpointer AAufruf) {
    delete static_cast<std::function<void()>*>(AAufruf);
}

gboolean RadioFokus(GtkWidget* AKnopf, GdkEvent*, gpointer) {
    if (!gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(AKnopf))) {
        gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(AKnopf), TRUE);
    }
    return FALSE;
}

void RadioKnoepfeVerbinden(GtkWidget* AWidget, gpointer) {
    if (GTK_IS_RADIO_BUTTON(AWidget)) {
        g_signal_connect(AWidget, "focus-in-event", G_CALLBACK(RadioFokus), nullptr);
    } else if (GTK_IS_CONTAINER(AWidget)) {
        gtk_container_forall(GTK_CONTAINER(AWidget), RadioKnoepfeVerbinden, nullptr);
    }
}

} // namespace

// GTK measures every line of a list (tens of thousands in the year view) to size its rows and its
// column: seconds of work after each refill, and a selection far down waits for the lines above it.
// All lines have one height, so the list takes the first line's for all, and the column the width
// of the line with the most characters (a little more, for wider letters).
void FesteZeilen(wxListBox& AListe, const wxString& ALaengste) {
    GtkTreeViewColumn* Spalte = gtk_tree_view_get_column(AListe.m_treeview, 0);
    if (Spalte == nullptr) {
        return;
    }
    int Breite = 0;
    if (!ALaengste.empty()) {
        AListe.GetTextExtent(ALaengste + "MM", &Breite, nullptr);
    }
    gtk_tree_view_column_set_sizing(Spalte, GTK_TREE_VIEW_COLUMN_FIXED);
    gtk_tree_view_column_set_fixed_width(Spalte, std::max(Breite, 1));
    // A list wider than its longest line still shows the selection over its whole width.
    gtk_tree_view_column_set_expand(Spalte, TRUE);
    gtk_tree_view_set_fixed_height_mode(AListe.m_treeview, TRUE);
}

void GtkZugangEinrichten() {
    // The name Orca shows first on the braille line.
    g_set_prgname("Orvanto");
    g_object_set(gtk_settings_get_default(), "gtk-entry-select-on-focus", FALSE, nullptr);
    g_signal_add_emission_hook(g_signal_lookup("show", GTK_TYPE_WIDGET), 0, MeldungEinrichten, nullptr,
                               nullptr);
}

void ListeZugaenglich(wxListBox& AListe, const std::string& AName) {
    GtkTreeView* Baum = AListe.m_treeview;
    gtk_tree_view_set_enable_search(Baum, FALSE);
    // Without a search column even GTK's own search key (Ctrl+F) opens nothing.
    gtk_tree_view_set_search_column(Baum, -1);
    g_signal_connect(Baum, "key-press-event", G_CALLBACK(ListenTaste), nullptr);
    g_signal_connect(Baum, "cursor-changed", G_CALLBACK(CursorFolgen), nullptr);
    NameSetzen(GTK_WIDGET(Baum), AName);
    // Its scroll pane reports itself as focusable too.
    NameSetzen(static_cast<GtkWidget*>(AListe.GetHandle()), AName);
}

void ListenCursorSetzen(wxListBox& AListe, int ANr) {
    if (ANr < 0) {
        return;
    }
    // Setting the cursor again on its line would be heard as the line leaving and coming back.
    GtkTreePath* Cursor = nullptr;
    gtk_tree_view_get_cursor(AListe.m_treeview, &Cursor, nullptr);
    const bool Dort =
        Cursor != nullptr && gtk_tree_path_get_depth(Cursor) == 1 &&
        gtk_tree_path_get_indices(Cursor)[0] == ANr &&
        gtk_tree_selection_path_is_selected(gtk_tree_view_get_selection(AListe.m_treeview), Cursor);
    gtk_tree_path_free(Cursor);
    if (Dort) {
        return;
    }
    GtkTreePath* Pfad = gtk_tree_path_new_from_indices(ANr, -1);
    gtk_tree_view_set_cursor(AListe.m_treeview, Pfad, nullptr, FALSE);
    gtk_tree_path_free(Pfad);
}

void ListeErsetzen(wxListBox& AListe, const wxArrayString& AZeilen) {
    GtkTreeView* Baum = AListe.m_treeview;
    // Removing a selected or focused line tells the screen reader about every line after it.
    gtk_tree_selection_unselect_all(gtk_tree_view_get_selection(Baum));
    GtkTreeModel* Modell = gtk_tree_view_get_model(Baum);
    g_object_ref(Modell);
    gtk_tree_view_set_model(Baum, nullptr);
    AListe.Set(AZeilen);
    size_t Laengste = 0;
    for (size_t i = 1; i < AZeilen.size(); ++i) {
        if (AZeilen[i].length() > AZeilen[Laengste].length()) {
            Laengste = i;
        }
    }
    FesteZeilen(AListe, AZeilen.empty() ? wxString() : AZeilen[Laengste]);
    gtk_tree_view_set_model(Baum, Modell);
    g_object_unref(Modell);
}

void NachEreignis(std::function<void()> AAufruf) {
    // Before the next key or click (already waiting after a long command, it finds the change
    // made) and before GTK's layout and drawing; wx's CallAfter waits for the idle time after all.
    g_idle_add_full(G_PRIORITY_HIGH, AufrufAusfuehren, new std::function<void()>(std::move(AAufruf)),
                    AufrufFreigeben);
}

void FokusSofortMelden(wxWindow& AFenster) {
    gtk_widget_get_accessible(AFenster.GetConnectWidget());
}

void RadioGruppeZugaenglich(wxRadioBox& AGruppe) {
    RadioKnoepfeVerbinden(static_cast<GtkWidget*>(AGruppe.GetHandle()), nullptr);
}

void ComboZugaenglich(wxComboBox& ACombo, const std::string& AName, std::function<void()> AAufklappen) {
    GtkWidget* Box = static_cast<GtkWidget*>(ACombo.GetHandle());
    GtkWidget* Feld = gtk_bin_get_child(GTK_BIN(Box));
    // An editable box takes the focus in its text field; a read-only one takes it itself.
    NameSetzen(GTK_IS_ENTRY(Feld) ? Feld : Box, AName);
    if (GtkWidget* Pfeil = Pfeilknopf(Box)) {
        gtk_widget_set_can_focus(Pfeil, FALSE);
        if (!AAufklappen) {
            return;
        }
        g_signal_connect_data(Pfeil, "button-press-event", G_CALLBACK(PfeilGeklickt),
                              new std::function<void()>(std::move(AAufklappen)), AufklappenFreigeben,
                              GConnectFlags(0));
    }
}

void PopupZugaenglich(wxMenu& AMenue) {
    AMenue.Bind(wxEVT_MENU_OPEN, [&AMenue](wxMenuEvent& AEreignis) {
        AEreignis.Skip();
        if (AEreignis.GetMenu() == &AMenue) {
            gtk_menu_shell_select_first(GTK_MENU_SHELL(AMenue.m_menu), TRUE);
        }
    });
}

#else

void GtkZugangEinrichten() {}
void ListeZugaenglich(wxListBox& AListe, const std::string& AName) {
    AListe.SetName(AName);
}
// Elsewhere the selected line is the keyboard's place too.
void ListenCursorSetzen(wxListBox& AListe, int ANr) {
    if (ANr >= 0) {
        AListe.SetSelection(ANr);
    }
}
void RadioGruppeZugaenglich(wxRadioBox&) {}
void FokusSofortMelden(wxWindow&) {}
void NachEreignis(std::function<void()> AAufruf) {
    wxTheApp->CallAfter(std::move(AAufruf));
}
void ListeErsetzen(wxListBox& AListe, const wxArrayString& AZeilen) {
    AListe.Set(AZeilen);
}
void FesteZeilen(wxListBox&, const wxString&) {}
void ComboZugaenglich(wxComboBox& ACombo, const std::string& AName, std::function<void()> AAufklappen) {
    ACombo.SetName(AName);
    if (!AAufklappen) {
        return;
    }
    // A box whose choices the program keeps itself holds no items, so its native list would drop
    // down empty: the program's own list opens instead, as with Alt+Down.
    ACombo.Bind(wxEVT_COMBOBOX_DROPDOWN, [&ACombo, AAufklappen](wxCommandEvent&) {
        ACombo.Dismiss();
        ACombo.CallAfter([AAufklappen] { AAufklappen(); });
    });
}
void PopupZugaenglich(wxMenu&) {}

#endif
