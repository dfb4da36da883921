#include "text/cp936.h"

#include <gtest/gtest.h>

namespace longtail {
namespace {

TEST(Cp936, RoundTripsChineseAndAscii) {
  EXPECT_EQ(Utf8ToCp936("QQ空间 51"), "QQ\xBF\xD5\xBC\xE4 51");
  EXPECT_EQ(Utf8ToCp936("手机"), "\xCA\xD6\xBB\xFA");
  EXPECT_EQ(Cp936ToUtf8("\xCA\xD6\xBB\xFA qq"), "手机 qq");
  EXPECT_EQ(Utf8ToCp936(""), "");
  EXPECT_EQ(Cp936ToUtf8(""), "");
  std::string mixed = "相关搜索 abc 丄乤";
  EXPECT_EQ(Cp936ToUtf8(Utf8ToCp936(mixed)), mixed);
}

TEST(Cp936, WhatCodePage936LacksBecomesQuestionMarks) {
  // Hangul and an emoji (four-byte UTF-8) are not in code page 936: one "?" each.
  EXPECT_EQ(Utf8ToCp936("a한b😀c"), "a?b?c");
  // Malformed UTF-8 bytes are replaced one by one and the rest survives.
  EXPECT_EQ(Utf8ToCp936("x\xFF\xFEy手"), "x??y\xCA\xD6");
  EXPECT_EQ(Utf8ToCp936("end\xE6\x89"), "end??");  // a truncated sequence, byte by byte
  // A long text with many gaps still converts completely.
  std::string in, want;
  for (int i = 0; i < 5000; ++i) {
    in += "手한";
    want += "\xCA\xD6?";
  }
  EXPECT_EQ(Utf8ToCp936(in), want);
}

TEST(Cp936, UndecodableBytesBecomeReplacementCharacters) {
  EXPECT_EQ(Cp936ToUtf8("a\xFF"
                        "b"),
            "a\xEF\xBF\xBD"
            "b");
  EXPECT_EQ(Cp936ToUtf8("a\xCA"), "a\xEF\xBF\xBD");  // lead byte cut off at the end
}

TEST(Gb18030, KeepsCodePage936BytesAndLosesNothingElse) {
  EXPECT_EQ(Utf8ToGb18030("QQ空间 51"), "QQ\xBF\xD5\xBC\xE4 51");
  // Characters whose GB18030 code differs from code page 936 keep the code page 936 one.
  EXPECT_EQ(Utf8ToGb18030("·—€"), Utf8ToCp936("·—€"));
  EXPECT_EQ(Utf8ToGb18030("a한😀"), "a\x83\x36\x84\x33\x94\x39\xFC\x36");
  EXPECT_EQ(Gb18030ToUtf8(Utf8ToGb18030("a한b😀c手")), "a한b😀c手");
  EXPECT_EQ(Utf8ToGb18030("x\xFFy"), "x?y");
  EXPECT_EQ(Gb18030ToUtf8("a\xFF\x81\x30"),
            "a\xEF\xBF\xBD\xEF\xBF\xBD"
            "0");
}

TEST(Utf16ToUtf8, PairsAndLoneSurrogates) {
  EXPECT_EQ(Utf16ToUtf8(u"\u624B\u673A"), "手机");
  EXPECT_EQ(Utf16ToUtf8(u"\xD83D\xDE00"), "😀");
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800)) + u"x"), "?x");
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xDC00))), "?");
}

TEST(IsShortFormUtf8, AcceptsOneToThreeByteSequencesOnly) {
  EXPECT_TRUE(IsShortFormUtf8(""));
  EXPECT_TRUE(IsShortFormUtf8("plain ascii"));
  EXPECT_TRUE(IsShortFormUtf8("é手机"));
  EXPECT_FALSE(IsShortFormUtf8("😀"));                 // four bytes
  EXPECT_FALSE(IsShortFormUtf8("\xCA\xD6\xBB\xFA"));  // 手机 in code page 936
  EXPECT_FALSE(IsShortFormUtf8("\xC0\xAF"));          // overlong "/"
  EXPECT_FALSE(IsShortFormUtf8("\xE0\x80\xAF"));      // overlong three-byte form
  EXPECT_FALSE(IsShortFormUtf8("\xED\xA0\x80"));      // surrogate D800
  EXPECT_FALSE(IsShortFormUtf8("\xE6\x89"));          // truncated
  EXPECT_FALSE(IsShortFormUtf8("\x80"));              // stray continuation byte
}

}  // namespace
}  // namespace longtail
