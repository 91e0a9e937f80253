#pragma once

// Menu shortcuts taken from the window's char hook, before the focused control sees the key: GTK's
// list (a tree view) would otherwise keep Ctrl+N, Ctrl+F, Ctrl+A or Ctrl+P for itself.

class wxFrame;
class wxKeyEvent;

// Runs the enabled menu item of AFrame's menu bar whose shortcut is the key of AEreignis; true
// when there was one (the key is then used up).
bool MenueKurztasteAusfuehren(wxFrame& AFrame, const wxKeyEvent& AEreignis);
