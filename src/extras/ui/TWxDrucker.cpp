#include "extras/ui/TWxDrucker.h"

#include <algorithm>
#include <cmath>

#include <wx/dc.h>
#include <wx/modalhook.h>
#include <wx/print.h>
#include <wx/window.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#include <wx/gtk/print.h>
#endif

#include "controls/ui/WxSchrift.h"
#include "controls/ui/WxText.h"
#include "platform/Drucker.h"

namespace {

// The margin around the text, in inches (2 cm).
constexpr double RandZoll = 2.0 / 2.54;

// The lines on pages, wrapped at the right margin; the page is laid out in screen pixels, so the
// font has the size it has on the screen.
class TZeilenDruck : public wxPrintout {
public:
    TZeilenDruck(const std::string& ATitel, const std::vector<std::string>& AZeilen, const TSchrift& AFont)
        : wxPrintout(Wx(ATitel)), FZeilen(AZeilen), FFont(WxFont(AFont)) {}

    void OnPreparePrinting() override {
        Einrichten();
        wxDC& Dc = *GetDC();
        FEinzug = Dc.GetTextExtent(Einzugstext).GetWidth();
        const int ZeilenJeSeite = FFlaeche.GetHeight() / std::max(1, Dc.GetCharHeight());
        const auto Mass = [&Dc](std::string_view ATeil) {
            return Dc.GetTextExtent(Wx(std::string(ATeil))).GetWidth();
        };
        FSeiten = TDrucker::Seitenweise(TDrucker::Umbrechen(FZeilen, FFlaeche.GetWidth(), FEinzug, Mass),
                                        ZeilenJeSeite);
    }

    void GetPageInfo(int* AMin, int* AMax, int* AVon, int* ABis) override {
        *AMin = 1;
        *AMax = Seitenzahl();
        *AVon = 1;
        *ABis = Seitenzahl();
    }

    bool HasPage(int ASeite) override { return ASeite >= 1 && ASeite <= Seitenzahl(); }

    bool OnPrintPage(int ASeite) override {
        if (!HasPage(ASeite)) {
            return false;
        }
        Einrichten();
        wxDC& Dc = *GetDC();
        const int Hoehe = Dc.GetCharHeight();
        int y = FFlaeche.GetTop();
        for (const TDrucker::TDruckzeile& z : FSeiten[static_cast<std::size_t>(ASeite - 1)]) {
            Dc.DrawText(Wx(z.Text), FFlaeche.GetLeft() + (z.FortsetzungS ? FEinzug : 0), y);
            y += Hoehe;
        }
        return true;
    }

private:
    // What a continuation line is indented by.
    static constexpr const char* Einzugstext = "MM";

    std::vector<std::string> FZeilen;
    wxFont FFont;
    wxRect FFlaeche;
    int FEinzug = 0;
    // One empty page until OnPreparePrinting lays the pages out.
    std::vector<TDrucker::TDruckseite> FSeiten = std::vector<TDrucker::TDruckseite>(1);

    int Seitenzahl() const { return static_cast<int>(FSeiten.size()); }

    // The paper in screen pixels, black text on white, and the text area inside the margins.
    void Einrichten() {
        MapScreenSizeToPaper();
        wxDC& Dc = *GetDC();
        Dc.SetFont(FFont);
        Dc.SetTextForeground(*wxBLACK);
        Dc.SetTextBackground(*wxWHITE);
        Dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
        int PpiX = 0, PpiY = 0;
        GetPPIScreen(&PpiX, &PpiY);
        const wxRect Papier = GetLogicalPaperRect();
        const int RandX = static_cast<int>(std::lround(PpiX * RandZoll));
        const int RandY = static_cast<int>(std::lround(PpiY * RandZoll));
        FFlaeche = wxRect(Papier.GetLeft() + RandX, Papier.GetTop() + RandY, Papier.GetWidth() - 2 * RandX,
                          Papier.GetHeight() - 2 * RandY);
    }
};

#ifdef __WXGTK__
// wx does not hand the printout's title to GTK, which would name the job after the program: the
// print operation is given its name as its dialog opens (a print without a dialog opens it too).
// Elsewhere wx names the job after the printout itself.
class TAuftragsname : public wxModalDialogHook {
public:
    explicit TAuftragsname(const std::string& AName) : FName(AName) { Register(); }
    ~TAuftragsname() override { Unregister(); }

protected:
    int Enter(wxDialog* ADialog) override {
        if (auto* Dialog = dynamic_cast<wxGtkPrintDialog*>(ADialog)) {
            auto* Daten = dynamic_cast<wxGtkPrintNativeData*>(
                Dialog->GetPrintDialogData().GetPrintData().GetNativeData());
            if (Daten != nullptr && Daten->GetPrintJob() != nullptr) {
                gtk_print_operation_set_job_name(Daten->GetPrintJob(), FName.c_str());
            }
        }
        return wxID_NONE;
    }
    void Exit(wxDialog*) override {}

private:
    std::string FName;
};
#endif

} // namespace

TWxDrucker::TWxDrucker(wxWindow* AEltern) : FEltern(AEltern) {}

bool TWxDrucker::DruckerVorhanden() {
    return DruckerInstalliert();
}

bool TWxDrucker::Drucken(const std::string& ATitel, const std::vector<std::string>& AZeilen,
                         const TSchrift& AFont) {
    wxWindow* Fokus = wxWindow::FindFocus();
    wxPrintDialogData Dialog;
    Dialog.EnablePageNumbers(true);
    Dialog.SetAllPages(true);
    wxPrinter Drucker(&Dialog);
    TZeilenDruck Druck(ATitel, AZeilen, AFont);
#ifdef __WXGTK__
    const TAuftragsname Name(ATitel);
#endif
    const bool Gedruckt = Drucker.Print(FEltern, &Druck, true);
    if (Fokus != nullptr) {
        Fokus->SetFocus();
    }
    return Gedruckt;
}
