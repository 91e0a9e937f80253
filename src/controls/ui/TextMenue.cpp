#include "controls/ui/TextMenue.h"

#include <wx/menu.h>
#include <wx/textctrl.h>

#include "controls/ui/WxText.h"

void TextMenueZeigen(wxTextCtrl& APane, const std::string& AAllesMarkieren, const std::string& AKopieren) {
    wxMenu Menue;
    wxMenuItem* AllesMarkieren = Menue.Append(wxID_SELECTALL, Wx(AAllesMarkieren + "\tCtrl+A"));
    wxMenuItem* Kopieren = Menue.Append(wxID_COPY, Wx(AKopieren + "\tCtrl+C"));
    long Von = 0;
    long Bis = 0;
    APane.GetSelection(&Von, &Bis);
    AllesMarkieren->Enable(!APane.IsEmpty());
    Kopieren->Enable(Von != Bis);
    switch (APane.GetPopupMenuSelectionFromUser(Menue)) {
    case wxID_SELECTALL:
        APane.SetFocus();
        APane.SelectAll();
        break;
    case wxID_COPY:
        APane.SetFocus();
        APane.Copy();
        break;
    default:
        break;
    }
}
