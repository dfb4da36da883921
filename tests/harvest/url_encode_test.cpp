#include "harvest/url_encode.h"

#include <gtest/gtest.h>

#include "harvest/harvest_run.h"
#include "harvest/test_text.h"

namespace longtail {
namespace {

TEST(UrlEncode, EncodesCodePage936BytesAndPunctuation) {
  EXPECT_EQ(UrlEncode(testing::G("QQ空间 51")), "QQ%BF%D5%BC%E4+51");
  EXPECT_EQ(UrlEncode("a-b.c_d"), "a-b.c_d");
  EXPECT_EQ(UrlEncode("~*'()+"), "%7E%2A%27%28%29%2B");
  EXPECT_EQ(UrlEncode(std::string("\n\x01\xB9\xFF%/", 6)), "%0A%01%B9%FF%25%2F");
  EXPECT_EQ(UrlEncode(std::string(1, '\0')), "%00");
  EXPECT_EQ(UrlEncode(""), "");
}

TEST(HarvestEndpoints, BuildTheTwoServiceUrls) {
  HarvestEndpoints e;
  e.suggestHost = "s.example:81";
  e.searchHost = "w.example";
  EXPECT_EQ(e.SuggestUrl(testing::G("手机")),
            "http://s.example:81/include/keywords.php?k=%CA%D6%BB%FA");
  EXPECT_EQ(e.RelatedUrl("a b"), "http://w.example/s?wd=a+b");
  EXPECT_EQ(e.SuggestUrl(""), "http://s.example:81/include/keywords.php?k=");
}

}  // namespace
}  // namespace longtail
