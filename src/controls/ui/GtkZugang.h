#pragma once

// Mends for the screen reader on GTK. Orca reads native controls by itself, but some GTK habits
// lose information: a list's name sits on its scroll pane instead of the focused table, selecting
// a line in code leaves GTK's cursor behind (the first Down then jumps), typing in a list opens a
// search pop-up, the period box's arrow button is an extra Tab stop, and an entry that selects its
// text on focus is read as its text only. On other systems these do nothing.

#include <string>
#include <vector>

class wxComboBox;
class wxListBox;

// Once per program, before the first window.
void GtkZugangEinrichten();

// The list is announced as AName, and typing in it searches nothing.
void ListeZugaenglich(wxListBox& AListe, const std::string& AName);
// After selecting line ANr in code: GTK's cursor follows, so that the next arrow key starts there.
void ListenCursorSetzen(wxListBox& AListe, int ANr);
// The box's text field is announced as AName; its arrow button takes no Tab stop.
void ComboZugaenglich(wxComboBox& ACombo, const std::string& AName);

// Replaces the box's items. GTK's box handles every single insertion at a cost that grows with
// the items present, so tens of thousands of items are filled in a detached model instead.
void ComboEintraegeSetzen(wxComboBox& ACombo, const std::vector<std::string>& AEintraege);
