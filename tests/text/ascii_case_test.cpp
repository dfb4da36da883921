#include "text/ascii_case.h"

#include <gtest/gtest.h>

namespace longtail {
namespace {

// 丄 is 81 41 and 乤 is 81 61 in code page 936: their second bytes are "A" and "a".
const std::string kShang = "\x81\x41";
const std::string kOther = "\x81\x61";

TEST(AsciiCase, LowersOnlySingleByteLetters) {
  EXPECT_EQ(LowerAsciiLetters("QQ\xBF\xD5\xBC\xE4 ABC-z"), "qq\xBF\xD5\xBC\xE4 abc-z");
  EXPECT_EQ(LowerAsciiLetters(kShang + "A"), kShang + "a");  // the trail byte is kept
  EXPECT_EQ(LowerAsciiLetters(""), "");
  EXPECT_EQ(LowerAsciiLetters("\x81"), "\x81");  // a lone lead byte at the end
}

TEST(AsciiCase, EqualityAndHashFoldTheSameWay) {
  EXPECT_TRUE(EqualsIgnoringAsciiCase("QQ\xBF\xD5", "qq\xBF\xD5"));
  EXPECT_FALSE(EqualsIgnoringAsciiCase(kShang, kOther));  // different characters
  EXPECT_FALSE(EqualsIgnoringAsciiCase("ab", "abc"));
  EXPECT_EQ(HashIgnoringAsciiCase("IPhone"), HashIgnoringAsciiCase("iphone"));
  EXPECT_NE(HashIgnoringAsciiCase(kShang), HashIgnoringAsciiCase(kOther));
}

TEST(AsciiCase, ContainsMatchesWithCaseAtCharacterBoundaries) {
  EXPECT_TRUE(ContainsAtCharBoundary("QQ\xD3\xCE\xCF\xB7", "QQ"));
  EXPECT_FALSE(ContainsAtCharBoundary("qq\xBF\xD5\xBC\xE4", "QQ"));
  EXPECT_FALSE(ContainsAtCharBoundary("abc", ""));
  EXPECT_TRUE(ContainsAtCharBoundary("x" + kShang, kShang));
  // "A" is the second byte of 丄, not a character of the phrase.
  EXPECT_FALSE(ContainsAtCharBoundary(kShang, "A"));
  EXPECT_TRUE(ContainsAtCharBoundary(kShang + "A", "A"));
}

}  // namespace
}  // namespace longtail
