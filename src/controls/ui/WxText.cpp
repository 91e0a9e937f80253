#include "controls/ui/WxText.h"

#include <wx/textctrl.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

namespace {

std::string OhneCr(const std::string& AText) {
    std::string Zeilen;
    Zeilen.reserve(AText.size());
    std::size_t Anfang = 0;
    for (std::size_t Cr = AText.find("\r\n"); Cr != std::string::npos; Cr = AText.find("\r\n", Anfang)) {
        Zeilen.append(AText, Anfang, Cr - Anfang);
        Anfang = Cr + 1;
    }
    Zeilen.append(AText, Anfang, std::string::npos);
    return Zeilen;
}

} // namespace

std::string Utf8(const wxString& AText) {
    const wxScopedCharBuffer Puffer = AText.utf8_str();
    return std::string(Puffer.data(), Puffer.length());
}

wxString WxZeilen(const std::string& AText) {
    return Wx(OhneCr(AText));
}

void TextZeigen(wxTextCtrl& AFeld, const std::string& AText) {
#ifdef __WXGTK__
    // GTK's text buffer holds UTF-8 itself: through a wxString the text would be converted twice,
    // which took most of the time before a year's overview (megabytes) was shown.
    const std::string Zeilen = OhneCr(AText);
    if (AFeld.IsMultiLine() && Zeilen.size() <= static_cast<std::size_t>(G_MAXINT) &&
        g_utf8_validate(Zeilen.data(), static_cast<gssize>(Zeilen.size()), nullptr)) {
        AFeld.ChangeValue(wxString());
        if (Zeilen.empty()) {
            return;
        }
        // As ChangeValue: no change event and the control unmodified. Into the empty buffer the
        // text comes with one change signal, the one wx is told to ignore.
        AFeld.IgnoreNextTextUpdate();
        GtkTextBuffer* Puffer = gtk_text_view_get_buffer(GTK_TEXT_VIEW(AFeld.GetConnectWidget()));
        gtk_text_buffer_set_text(Puffer, Zeilen.data(), static_cast<gint>(Zeilen.size()));
        return;
    }
#endif
    AFeld.ChangeValue(WxZeilen(AText));
}
