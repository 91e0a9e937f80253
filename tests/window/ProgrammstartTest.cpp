#include <gtest/gtest.h>

#include "window/Programmstart.h"

using TArgs = std::vector<std::string>;

TEST(Programmstart, ArgumentsTrimmedAndSplitAtBars) {
    EXPECT_EQ(ParameterAufbereiten({}), TArgs{});
    EXPECT_EQ(ParameterAufbereiten({"  /systemstartup ", "", "   "}), TArgs{"/systemstartup"});
    // Pieces are not trimmed again after the split; empty pieces go.
    EXPECT_EQ(ParameterAufbereiten({" a | b ", "||c|"}), (TArgs{"a ", " b", "c"}));
}

TEST(Programmstart, SplashOnlyWhenWantedAndNotAutostarted) {
    EXPECT_TRUE(SplashErlaubtS(true, {}));
    EXPECT_FALSE(SplashErlaubtS(false, {}));
    EXPECT_FALSE(SplashErlaubtS(true, {"/systemstartup"}));
    // The raw argument counts: exact and case-sensitive.
    EXPECT_TRUE(SplashErlaubtS(true, {" /systemstartup"}));
    EXPECT_TRUE(SplashErlaubtS(true, {"/SystemStartup"}));
}

TEST(Programmstart, SplashFileIsNamedLikeTheProgram) {
    EXPECT_EQ(SplashDateiname("/opt/orvanto/bin/orvanto"), "/opt/orvanto/bin/orvanto.ss");
    EXPECT_EQ(SplashDateiname("C:/Programme/Orvanto/Orvanto.exe"), "C:/Programme/Orvanto/Orvanto.ss");
    EXPECT_EQ(SplashDateiname("C:/Programme/Örvanto Встреча/Orvanto.exe"),
              "C:/Programme/Örvanto Встреча/Orvanto.ss");
}
