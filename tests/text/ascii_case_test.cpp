#include "text/ascii_case.h"

#include <gtest/gtest.h>

namespace longtail {
namespace {

TEST(AsciiCase, LowersOnlyAsciiLetters) {
  EXPECT_EQ(LowerAsciiLetters("QQ空间 ABC-z"), "qq空间 abc-z");
  // A letter right after a multi-byte character still folds.
  EXPECT_EQ(LowerAsciiLetters("手Q"), "手q");
  EXPECT_EQ(LowerAsciiLetters("ÀÉ"), "ÀÉ");  // only ASCII folds
  EXPECT_EQ(LowerAsciiLetters(""), "");
}

TEST(AsciiCase, EqualityAndHashFoldTheSameWay) {
  EXPECT_TRUE(EqualsIgnoringAsciiCase("QQ空", "qq空"));
  EXPECT_TRUE(EqualsIgnoringAsciiCase("手Q", "手q"));
  EXPECT_FALSE(EqualsIgnoringAsciiCase("丄", "乤"));
  EXPECT_FALSE(EqualsIgnoringAsciiCase("ab", "abc"));
  EXPECT_EQ(HashIgnoringAsciiCase("IPhone手"), HashIgnoringAsciiCase("iphone手"));
  EXPECT_NE(HashIgnoringAsciiCase("丄"), HashIgnoringAsciiCase("乤"));
}

TEST(AsciiCase, ContainsMatchesWithCase) {
  EXPECT_TRUE(ContainsAtCharBoundary("QQ游戏", "QQ"));
  EXPECT_FALSE(ContainsAtCharBoundary("qq空间", "QQ"));
  EXPECT_FALSE(ContainsAtCharBoundary("abc", ""));
  EXPECT_TRUE(ContainsAtCharBoundary("手机😀", "😀"));
}

}  // namespace
}  // namespace longtail
