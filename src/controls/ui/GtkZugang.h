#pragma once

// Mends for the screen reader on GTK. Orca reads native controls by itself, but some GTK habits
// lose information: a list's name sits on its scroll pane instead of the focused table, selecting
// a line in code leaves GTK's cursor behind (the first Down then jumps), keys the program leaves
// to a list move GTK's cursor away from the selection, typing in a list opens a search pop-up,
// refilling a list sends one event per removed line, the period box's arrow button is an extra
// Tab stop, an entry that selects its text on focus is read as its text only, and message boxes
// are named from GTK's own (English) texts. On other systems these do nothing.

#include <functional>
#include <string>

class wxArrayString;
class wxComboBox;
class wxListBox;
class wxMenu;
class wxRadioBox;
class wxString;
class wxWindow;

// Once per program, before the first window.
void GtkZugangEinrichten();

// The list is announced as AName, searches nothing, and its focus line is always the selected
// line: keys with Ctrl that would move only GTK's cursor do nothing.
void ListeZugaenglich(wxListBox& AListe, const std::string& AName);
// After selecting line ANr in code: GTK's cursor follows, so that the next arrow key starts there.
void ListenCursorSetzen(wxListBox& AListe, int ANr);
// Replaces every line with nothing selected. The lines are filled while the list is detached from
// its view, so the screen reader hears one change instead of one per line; every line takes the
// first one's height and the column the longest one's width, so no line is measured on its own.
void ListeErsetzen(wxListBox& AListe, const wxArrayString& AZeilen);
// The row sizes ListeErsetzen gives: every line the first one's height, the column the width of
// ALaengste (the line with the most characters). Called while the view holds no lines.
void FesteZeilen(wxListBox& AListe, const wxString& ALaengste);

// Calls AAufruf once the event being handled is done, before the next one and before the windows
// are laid out and drawn anew: what it changes is drawn and told to the screen reader with the
// rest of the event's work.
void NachEreignis(std::function<void()> AAufruf);

// An arrow key in the group chooses the choice it moves to, as the user expects: wx on GTK moves
// only the focus there, and Orca then reads the choice as "nicht ausgewählt".
void RadioGruppeZugaenglich(wxRadioBox& AGruppe);

// The box's text field (a read-only box: the box) is announced as AName, and nothing else of it,
// so that the name is said once. Its arrow button takes no Tab stop and, clicked, calls AAufklappen instead
// of GTK's own list (a short list, without AAufklappen, keeps GTK's own).
void ComboZugaenglich(wxComboBox& ACombo, const std::string& AName, std::function<void()> AAufklappen = {});

// GTK tells the screen reader that a control got the focus at once only when the control already
// has its accessible object; else it makes the object in its idle time, which waits while GTK lays
// out a long text (seconds for a year's overview), and the focused line is heard that much later.
// Gives AFenster its object now.
void FokusSofortMelden(wxWindow& AFenster);

// A pop-up menu selects its first item that can be chosen as soon as it shows, as the system's own
// context menus do when opened by a key: GTK selects none, and Orca then says only "Menü".
void PopupZugaenglich(wxMenu& AMenue);
