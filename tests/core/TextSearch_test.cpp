// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/TextSearch.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using rcon::findText;
using rcon::SearchOptions;

struct Case {
  const char* name;
  std::string text;
  std::string needle;
  std::size_t from;
  SearchOptions options;
  long long expectedAt;  // -1: no match
  bool wrapped;
};

class FindTextTest : public testing::TestWithParam<Case> {};

TEST_P(FindTextTest, FindsTheExpectedMatch) {
  const Case& c = GetParam();
  const auto match = findText(c.text, c.needle, c.from, c.options);
  if (c.expectedAt < 0) {
    EXPECT_FALSE(match.has_value());
    return;
  }
  ASSERT_TRUE(match.has_value());
  EXPECT_EQ(match->from, static_cast<std::size_t>(c.expectedAt));
  EXPECT_EQ(match->to - match->from, c.needle.size());
  EXPECT_EQ(match->wrapped, c.wrapped);
}

constexpr SearchOptions kDown{};
constexpr SearchOptions kDownCase{true, false};
constexpr SearchOptions kUp{false, true};
constexpr SearchOptions kUpCase{true, true};

INSTANTIATE_TEST_SUITE_P(
    Table, FindTextTest,
    testing::Values(
        Case{"downFromTheStart", "abc abc abc", "abc", 0, kDown, 0, false},
        Case{"downPastTheCurrentMatch", "abc abc abc", "abc", 3, kDown, 4, false},
        Case{"downWrapsToTheTop", "abc abc abc", "abc", 9, kDown, 0, true},
        Case{"downFromTheEndWraps", "xx abc", "abc", 6, kDown, 3, true},
        Case{"downWrapsOntoAMatchAcrossTheStartPoint", "xxabcxx", "abc", 3, kDown, 2, true},
        Case{"upFindsTheOneBefore", "abc abc abc", "abc", 8, kUp, 4, false},
        Case{"upFromTheMatchStart", "abc abc abc", "abc", 4, kUp, 0, false},
        Case{"upWrapsToTheBottom", "abc abc abc", "abc", 2, kUp, 8, true},
        Case{"upFromTheEndTakesTheLast", "abc abc abc", "abc", 11, kUp, 8, false},
        Case{"caseFoldsAsciiLetters", "Map: OA_DM1", "oa_dm1", 0, kDown, 5, false},
        Case{"matchCaseKeepsThemApart", "OA oa", "oa", 0, kDownCase, 3, false},
        Case{"matchCaseUp", "oa OA", "oa", 5, kUpCase, 0, false},
        Case{"caseFoldsAccentedLetters", "caf\xC9 Z\x8E", "CAF\xE9 z\x9E", 0, kDown, 0, false},
        Case{"caseFoldsOeAndYDiaeresis", "\x8C\x9F", "\x9C\xFF", 0, kDown, 0, false},
        Case{"multiplicationSignIsNoLetter", "\xD7", "\xF7", 0, kDown, -1, false},
        Case{"digitsAndSignsAreNotFolded", "^1Red", "^1red", 0, kDown, 0, false},
        Case{"fromPastTheEndIsTheEnd", "abc", "b", 99, kDown, 1, true},
        Case{"needleLongerThanText", "ab", "abc", 0, kDown, -1, false},
        Case{"emptyNeedle", "abc", "", 0, kDown, -1, false},
        Case{"noMatchAnywhere", "abc abc", "abd", 3, kUp, -1, false},
        Case{"bytesAsReceivedLineEndsIncluded", "one\r\ntwo\n", "\r\ntwo", 0, kDown, 3, false},
        Case{"aSkipNeverJumpsAMatch", "aaaaaaaab", "aab", 0, kDown, 6, false},
        Case{"upSkipNeverJumpsAMatch", "baaaaaaaa", "baa", 9, kUp, 0, false},
        Case{"longSkipNeverJumpsAMatch", "abcdxabcdabcde", "ABCDE", 0, kDown, 9, false},
        Case{"shortDownAcrossWords", "xxxxxxxxxxxxxxxxxAbx", "aB", 3, kDown, 17, false},
        Case{"shortUpAcrossWords", "xxxAbxxxxxxxxxxxxAbx", "ab", 17, kUp, 3, false},
        Case{"shortNeedleAtTheVeryEnd", "xxxxxxxxxxxxxxxxxxAb", "ab", 0, kDown, 18, false}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(FoldCase, EveryByteFoldsToOneThatFoldsToItself) {
  for (int b = 0; b < 256; ++b) {
    const unsigned char folded = rcon::foldCase(static_cast<unsigned char>(b));
    EXPECT_EQ(rcon::foldCase(folded), folded) << b;
  }
  EXPECT_EQ(rcon::foldCase("Sarge^7BOT"), "sarge^7bot");
}

}  // namespace
