#include "controls/ui/WxSchrift.h"

#include <wx/fontenum.h>
#include <wx/settings.h>

#include "controls/ui/WxText.h"

wxFont WxFont(const TSchrift& ASchrift) {
    // wx hands the face name to GTK inside style text; a name that could break it is never used.
    const std::string& Name = SchriftnameZulaessig(ASchrift.Name) ? ASchrift.Name : TSchrift().Name;
    return wxFont(wxFontInfo(ASchrift.Groesse)
                      .FaceName(Wx(Name))
                      .Italic((ASchrift.Stil & fsItalic) != 0)
                      .Bold((ASchrift.Stil & fsBold) != 0)
                      .Underlined((ASchrift.Stil & fsUnderline) != 0)
                      .Strikethrough((ASchrift.Stil & fsStrikeOut) != 0));
}

bool SchriftVorhanden(const std::string& AName) {
    return wxFontEnumerator::IsValidFacename(Wx(AName));
}

wxColour WxFarbe(TFarbe AFarbe) {
    // The system colour indexes are the same numbers in wx.
    if ((AFarbe >> 24) == 0xFF) {
        const unsigned Index = AFarbe & 0xFF;
        return Index < wxSYS_COLOUR_MAX ? wxSystemSettings::GetColour(static_cast<wxSystemColour>(Index))
                                        : wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT);
    }
    return wxColour(AFarbe & 0xFF, (AFarbe >> 8) & 0xFF, (AFarbe >> 16) & 0xFF);
}
