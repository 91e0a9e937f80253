#include "controls/ui/GtkZugang.h"

#include <wx/combobox.h>
#include <wx/listbox.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>

namespace {

void NameSetzen(GtkWidget* AWidget, const std::string& AName) {
    if (AWidget != nullptr) {
        atk_object_set_name(gtk_widget_get_accessible(AWidget), AName.c_str());
    }
}

void PfeilOhneTabstopp(GtkWidget* AWidget, gpointer) {
    if (GTK_IS_TOGGLE_BUTTON(AWidget)) {
        gtk_widget_set_can_focus(AWidget, FALSE);
    } else if (GTK_IS_CONTAINER(AWidget)) {
        gtk_container_forall(GTK_CONTAINER(AWidget), PfeilOhneTabstopp, nullptr);
    }
}

} // namespace

void GtkZugangEinrichten() {
    g_object_set(gtk_settings_get_default(), "gtk-entry-select-on-focus", FALSE, nullptr);
    // A drop-down box pops up a list, not a menu: a menu makes one widget (and one accessible
    // object) per item, and the period box holds ten thousand weeks.
    GtkCssProvider* Stil = gtk_css_provider_new();
    gtk_css_provider_load_from_data(Stil, "combobox { -GtkComboBox-appears-as-list: 1; }", -1, nullptr);
    gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(Stil),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(Stil);
}

void ListeZugaenglich(wxListBox& AListe, const std::string& AName) {
    GtkTreeView* Baum = AListe.m_treeview;
    gtk_tree_view_set_enable_search(Baum, FALSE);
    NameSetzen(GTK_WIDGET(Baum), AName);
    // Its scroll pane reports itself as focusable too.
    NameSetzen(static_cast<GtkWidget*>(AListe.GetHandle()), AName);
}

void ListenCursorSetzen(wxListBox& AListe, int ANr) {
    if (ANr < 0) {
        return;
    }
    GtkTreePath* Pfad = gtk_tree_path_new_from_indices(ANr, -1);
    gtk_tree_view_set_cursor(AListe.m_treeview, Pfad, nullptr, FALSE);
    gtk_tree_path_free(Pfad);
}

void ComboZugaenglich(wxComboBox& ACombo, const std::string& AName) {
    GtkWidget* Box = static_cast<GtkWidget*>(ACombo.GetHandle());
    gtk_container_forall(GTK_CONTAINER(Box), PfeilOhneTabstopp, nullptr);
    NameSetzen(gtk_bin_get_child(GTK_BIN(Box)), AName);
    NameSetzen(Box, AName);
}

void ComboEintraegeSetzen(wxComboBox& ACombo, const std::vector<std::string>& AEintraege) {
    // The same columns as GtkComboBoxText's own model: the text and an id.
    GtkListStore* Modell = gtk_list_store_new(2, G_TYPE_STRING, G_TYPE_STRING);
    GtkTreeIter Zeile;
    for (const std::string& Text : AEintraege) {
        gtk_list_store_insert_with_values(Modell, &Zeile, -1, 0, Text.c_str(), -1);
    }
    gtk_combo_box_set_model(GTK_COMBO_BOX(ACombo.GetHandle()), GTK_TREE_MODEL(Modell));
    g_object_unref(Modell);
}

#else

void GtkZugangEinrichten() {}
void ListeZugaenglich(wxListBox& AListe, const std::string& AName) {
    AListe.SetName(AName);
}
void ListenCursorSetzen(wxListBox&, int) {}
void ComboZugaenglich(wxComboBox& ACombo, const std::string& AName) {
    ACombo.SetName(AName);
}
void ComboEintraegeSetzen(wxComboBox& ACombo, const std::vector<std::string>& AEintraege) {
    wxArrayString Texte;
    for (const std::string& Text : AEintraege) {
        Texte.push_back(wxString::FromUTF8(Text));
    }
    ACombo.Set(Texte);
}

#endif
