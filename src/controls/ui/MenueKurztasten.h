#pragma once

// Menu shortcuts taken from the window's char hook, before the focused control sees the key: GTK's
// list (a tree view) would otherwise keep Ctrl+N, Ctrl+F, Ctrl+A or Ctrl+P for itself.

#include <functional>

class wxFrame;
class wxKeyEvent;

// Finds the item of AFrame's menu bar whose shortcut is the key of AEreignis, runs
// AZustandSetzen (which brings the items' states up to date, as opening the menu would) and then
// the item when it is enabled. True when it ran (the key is used up); a key of a disabled item or
// of no item goes on to the focused control.
bool MenueKurztasteAusfuehren(wxFrame& AFrame, const wxKeyEvent& AEreignis,
                              const std::function<void()>& AZustandSetzen);
