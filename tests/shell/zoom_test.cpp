#include <gtest/gtest.h>

#include "shell/zoom.h"

namespace {

// Every layout pixel is shown on whole screen pixels that show only it, and
// the display's 2 x 2 picture blocks come out the same size everywhere.
TEST(ZoomTest, EveryLayoutPixelBecomesABlockOfWholeScreenPixelsShowingOnlyIt) {
    for (int percent : ZoomPercents) {
        for (int x = 0; x < 1000; ++x) {
            ASSERT_LT(Zoomed(x, percent), Zoomed(x + 1, percent)) << percent << "% " << x;
            for (int s = Zoomed(x, percent); s < Zoomed(x + 1, percent); ++s)
                ASSERT_EQ(Unzoomed(s, percent), x) << percent << "% " << x;
            ASSERT_EQ(Zoomed(x + 2, percent) - Zoomed(x, percent), 2 * percent / 100) << percent << "% " << x;
        }
    }
}

}  // namespace
