#include <gtest/gtest.h>

#include "common/latin1_utf8.h"

TEST(Latin1Utf8, EveryLatin1CharacterSurvivesTheWayThroughUtf8) {
    std::string all;
    for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
    const std::optional<std::u32string> decoded = DecodeUtf8(Latin1ToUtf8(all));
    ASSERT_TRUE(decoded);
    ASSERT_EQ(decoded->size(), 256u);
    for (int c = 0; c < 256; ++c) EXPECT_EQ((*decoded)[c], static_cast<char32_t>(c));
    EXPECT_EQ(Latin1ToUtf8("\xC9t\xE9"), "\xC3\x89t\xC3\xA9");
}

TEST(Latin1Utf8, DecodingTakesEveryLengthAndRefusesWhatIsNotUtf8) {
    EXPECT_EQ(DecodeUtf8("A\xC3\x89\xCE\xA9\xF0\x9F\x98\x80"), std::u32string(U"A\u00C9\u03A9\U0001F600"));
    for (const char* bad : {"\x80", "\xC3", "\xC3(", "\xC0\x80", "\xE0\x80\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                            "\xF8\x88\x80\x80\x80", "\xFF"})
        EXPECT_EQ(DecodeUtf8(bad), std::nullopt) << testing::PrintToString(bad);
}
