#include "mainwindow/ui/TWxDrucker.h"

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

// The lines on pages; the page is laid out in screen pixels, so the font has the size it has on
// the screen.
class TZeilenDruck : public wxPrintout {
public:
    TZeilenDruck(const std::string& ATitel, const std::vector<std::string>& AZeilen, const TSchrift& AFont)
        : wxPrintout(Wx(ATitel)), FFont(WxFont(AFont)) {
        FZeilen.reserve(AZeilen.size());
        for (const std::string& z : AZeilen) {
            FZeilen.push_back(Wx(z));
        }
    }

    void OnPreparePrinting() override {
        Einrichten();
        FZeilenJeSeite = std::max(1, (FFlaeche.GetHeight()) / std::max(1, GetDC()->GetCharHeight()));
        const int Anzahl = static_cast<int>(FZeilen.size());
        FSeiten = std::max(1, (Anzahl + FZeilenJeSeite - 1) / FZeilenJeSeite);
    }

    void GetPageInfo(int* AMin, int* AMax, int* AVon, int* ABis) override {
        *AMin = 1;
        *AMax = FSeiten;
        *AVon = 1;
        *ABis = FSeiten;
    }

    bool HasPage(int ASeite) override { return ASeite >= 1 && ASeite <= FSeiten; }

    bool OnPrintPage(int ASeite) override {
        Einrichten();
        wxDC& Dc = *GetDC();
        const int Hoehe = Dc.GetCharHeight();
        const std::size_t Erste =
            static_cast<std::size_t>(ASeite - 1) * static_cast<std::size_t>(FZeilenJeSeite);
        for (std::size_t i = Erste;
             i < FZeilen.size() && i < Erste + static_cast<std::size_t>(FZeilenJeSeite); ++i) {
            const int y = FFlaeche.GetTop() + static_cast<int>(i - Erste) * Hoehe;
            Dc.DrawText(Passend(Dc, FZeilen[i]), FFlaeche.GetLeft(), y);
        }
        return true;
    }

private:
    std::vector<wxString> FZeilen;
    wxFont FFont;
    wxRect FFlaeche;
    int FZeilenJeSeite = 1;
    int FSeiten = 1;

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

    // The line as far as it fits between the margins: lines are not wrapped.
    wxString Passend(wxDC& ADc, const wxString& AZeile) const {
        wxArrayInt Breiten;
        if (AZeile.empty() || !ADc.GetPartialTextExtents(AZeile, Breiten)) {
            return AZeile;
        }
        std::size_t n = 0;
        while (n < Breiten.size() && Breiten[n] <= FFlaeche.GetWidth()) {
            ++n;
        }
        return AZeile.Left(n);
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
