#include "controls/ui/MenueKurztasten.h"

#include <memory>

#include <wx/frame.h>
#include <wx/menu.h>

namespace {

wxMenuItem* Suche(wxMenu& AMenue, int AFlags, int ATaste) {
    for (wxMenuItem* Eintrag : AMenue.GetMenuItems()) {
        if (Eintrag->IsSubMenu()) {
            if (wxMenuItem* Treffer = Suche(*Eintrag->GetSubMenu(), AFlags, ATaste)) {
                return Treffer;
            }
            continue;
        }
        const std::unique_ptr<wxAcceleratorEntry> Taste(Eintrag->GetAccel());
        if (Taste && Taste->GetFlags() == AFlags && Taste->GetKeyCode() == ATaste) {
            return Eintrag;
        }
    }
    return nullptr;
}

} // namespace

bool MenueKurztasteAusfuehren(wxFrame& AFrame, const wxKeyEvent& AEreignis,
                              const std::function<void()>& AZustandSetzen) {
    wxMenuBar* Leiste = AFrame.GetMenuBar();
    const int Flags = AEreignis.GetModifiers() & (wxMOD_ALT | wxMOD_CONTROL | wxMOD_SHIFT);
    if (Leiste == nullptr) {
        return false;
    }
    for (size_t i = 0; i < Leiste->GetMenuCount(); ++i) {
        wxMenuItem* Eintrag = Suche(*Leiste->GetMenu(i), Flags, AEreignis.GetKeyCode());
        if (Eintrag == nullptr) {
            continue;
        }
        AZustandSetzen();
        if (!Eintrag->IsEnabled()) {
            return true;
        }
        wxCommandEvent Befehl(wxEVT_MENU, Eintrag->GetId());
        Befehl.SetEventObject(&AFrame);
        AFrame.ProcessWindowEvent(Befehl);
        return true;
    }
    return false;
}
