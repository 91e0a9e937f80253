#pragma once

// Printing lines of text through wx: the print dialog of the system, then the lines page by page
// in the user's typeface, black on white, each line wrapped at the page's right margin.

#include <string>
#include <vector>

#include "extras/TDrucker.h"

class wxWindow;

class TWxDrucker : public TDrucker {
public:
    // The print dialog belongs to AEltern, which gets the focus back afterwards.
    explicit TWxDrucker(wxWindow* AEltern);

protected:
    bool DruckerVorhanden() override;
    bool Drucken(const std::string& ATitel, const std::vector<std::string>& AZeilen,
                 const TSchrift& AFont) override;

private:
    wxWindow* FEltern;
};
