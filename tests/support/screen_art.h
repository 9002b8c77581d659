#pragma once
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "display/lcd_frame.h"

// Screens as text art: one character per display pixel, '#' dark, '.' green,
// read from the display's frame.
// Columns 104 and 105 are included when `withOverhang` is set.
std::string ScreenArt(const LcdFrame& frame, bool withOverhang = false);

// Text art of one text row (8 pixel rows) of the display.
std::string RowArt(const LcdFrame& frame, int textRow);

// Compares the display with tests/golden/<name>.txt. On a mismatch both
// pictures are shown side by side with the differing rows marked. With the
// environment variable VHFCOM_UPDATE_GOLDEN set the file is (re)written
// instead: look at it before committing it.
testing::AssertionResult MatchesGolden(const LcdFrame& frame, std::string_view name);

// Compares two pictures of the same size, showing both on a mismatch.
testing::AssertionResult SameArt(const std::string& actual, const std::string& expected);
