#include "GlibMeldungen.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <wx/app.h>

namespace {

void MeldungMerken(const gchar* ABereich, GLogLevelFlags AStufe, const gchar* AText, gpointer) {
    if ((AStufe & (G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING)) != 0) {
        GlibMeldungen().push_back(std::string(ABereich != nullptr ? ABereich : "") + ": " + AText);
    }
}

} // namespace

std::vector<std::string>& GlibMeldungen() {
    static std::vector<std::string> Meldungen;
    return Meldungen;
}

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    g_log_set_default_handler(MeldungMerken, nullptr);
    wxApp::SetInstance(new wxApp());
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        return 2;
    }
    const int Ergebnis = RUN_ALL_TESTS();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return Ergebnis;
}
