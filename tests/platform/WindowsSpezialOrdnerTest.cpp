#include "platform/SpezialOrdner.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>

namespace {

// The shell's folders of the user: each an existing folder, given with its trailing separator.
TEST(WindowsSpezialOrdner, EachFolderExistsAndEndsWithItsSeparator) {
    const auto Ordner = SystemSpezialOrdner();
    std::set<std::string> Verschieden;
    for (const TOrdnerArt Art : {ofDokumente, ofAutostart, ofAnwendungsdaten}) {
        const std::string Pfad = Ordner->GetSpecialFolder(Art);
        ASSERT_FALSE(Pfad.empty()) << Art;
        EXPECT_EQ(Pfad.back(), '\\') << Pfad;
        EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::u8path(Pfad))) << Pfad;
        Verschieden.insert(Pfad);
    }
    EXPECT_EQ(Verschieden.size(), 3u);
    EXPECT_EQ(Ordner->GetSpecialFolder(static_cast<TOrdnerArt>(0)), "");
}

} // namespace
