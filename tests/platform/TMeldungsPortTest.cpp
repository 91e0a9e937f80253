#include "platform/TMeldungsPort.h"

#include <algorithm>

#include <gtest/gtest.h>

TEST(Meldungen, EscapeGivesTheHarmlessOneOfTheButtons) {
    struct TFall {
        TMeldungsKnoepfe Knoepfe;
        TMeldungsAntwort Escape;
    };
    const TFall Faelle[] = {
        {mkOK, maOK},
        {mkJaNein, maNein},
        {mkJaNeinAbbrechen, maAbbrechen},
        // A question with "&Alle" and no Cancel: Escape must not count as any kind of yes.
        {mkJaNeinAlle, maNein},
        {mkJaNeinAbbrechenAlle, maAbbrechen},
    };
    for (const TFall& F : Faelle) {
        SCOPED_TRACE(F.Knoepfe);
        EXPECT_EQ(EscapeAntwort(F.Knoepfe), F.Escape);
        const auto Knoepfe = KnopfAntworten(F.Knoepfe);
        EXPECT_NE(std::find(Knoepfe.begin(), Knoepfe.end(), F.Escape), Knoepfe.end());
    }
}
