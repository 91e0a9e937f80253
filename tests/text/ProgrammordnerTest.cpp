#include "platform/Programmordner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace fs = std::filesystem;

TEST(Programmordner, NebenDemProgrammSonstImShareOrdner) {
    const fs::path Wurzel =
        fs::temp_directory_path() / ("orvanto-programmordner-" + std::to_string(::getpid()));
    fs::create_directories(Wurzel / "bin");
    fs::create_directories(Wurzel / "share" / "orvanto");
    const std::vector<std::string> Kandidaten =
        ProgrammordnerKandidaten((Wurzel / "bin" / "orvanto-text").string());
    ASSERT_EQ(Kandidaten,
              (std::vector<std::string>{(Wurzel / "bin").string(), (Wurzel / "share" / "orvanto").string()}));

    // Without a name-day file anywhere the program's own folder stays the choice.
    EXPECT_EQ(ProgrammordnerWaehlen(Kandidaten), (Wurzel / "bin").string());
    std::ofstream(Wurzel / "share" / "orvanto" / "Namenstage.dat") << "Anna\n26.7\n";
    EXPECT_EQ(ProgrammordnerWaehlen(Kandidaten), (Wurzel / "share" / "orvanto").string());
    std::ofstream(Wurzel / "bin" / "Namenstage.dat") << "Anna\n26.7\n";
    EXPECT_EQ(ProgrammordnerWaehlen(Kandidaten), (Wurzel / "bin").string());
    EXPECT_EQ(ProgrammordnerWaehlen({}), "");
    fs::remove_all(Wurzel);
}
