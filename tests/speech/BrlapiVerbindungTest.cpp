#include "speech/linux/BrlapiVerbindung.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// No BRLTTY answers at this address: every message is refused, and a refused connection is
// tried again with the next message instead of being given up.
TEST(BrlapiVerbindungTest, WithoutBrlttyNothingIsShown) {
    setenv("BRLAPI_HOST", "127.0.0.1:97", 1);
    TBrlapiVerbindung Braille(std::chrono::seconds(5));
    EXPECT_FALSE(Braille.Zeigen("Kurztext:"));
    EXPECT_FALSE(Braille.Zeigen("Langtext:"));
}

} // namespace
