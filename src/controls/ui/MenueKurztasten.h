#pragma once

// Menu shortcuts taken from the window's char hook, before the focused control sees the key: GTK's
// list (a tree view) would otherwise keep Ctrl+N, Ctrl+F, Ctrl+A or Ctrl+P for itself.

#include <functional>

class wxFrame;
class wxKeyEvent;

// Finds the item of AFrame's menu bar whose shortcut is the key of AEreignis, runs
// AZustandSetzen (which brings the items' states up to date, as opening the menu would) and then
// the item when it is enabled. True when the key belongs to an item (it is used up, and a disabled
// item's key does nothing: Ctrl+X must not cut the period box's text while "&Ausschneiden" is
// off); the key of no item goes on to the focused control.
bool MenueKurztasteAusfuehren(wxFrame& AFrame, const wxKeyEvent& AEreignis,
                              const std::function<void()>& AZustandSetzen);
