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
  EXPECT_EQ(e.SuggestUrl("手机"), "http://s.example:81/include/keywords.php?k=%CA%D6%BB%FA");
  EXPECT_EQ(e.RelatedUrl("a b"), "http://w.example/s?wd=a+b");
  EXPECT_EQ(e.SuggestUrl(""), "http://s.example:81/include/keywords.php?k=");
}

TEST(HarvestEndpoints, EachSourceEncodesThePhraseItsWayAndHostsCanMove) {
  HarvestEndpoints e;
  EXPECT_EQ(e.UrlFor(*FindSource("baidu"), "手机 😀"),
            "https://suggestion.baidu.com/su?wd=%CA%D6%BB%FA+%949%FC6&cb=window.baidu.sug");
  EXPECT_EQ(
      e.UrlFor(*FindSource("google"), "手机"),
      "https://suggestqueries.google.com/complete/search?client=firefox&q=%E6%89%8B%E6%9C%BA");
  e.bases["google"] = BaseAddress("127.0.0.1:9");
  e.bases["soso"] = BaseAddress("HTTPS://[::1]:8443/");
  EXPECT_EQ(e.UrlFor(*FindSource("google"), "a"),
            "http://127.0.0.1:9/complete/search?client=firefox&q=a");
  EXPECT_EQ(e.SuggestUrl("a"), "https://[::1]:8443/include/keywords.php?k=a");
  EXPECT_EQ(BaseAddress("ftp://x"), "");
  EXPECT_EQ(BaseAddress("http://x/path"), "");
  EXPECT_EQ(BaseAddress(""), "");
}

}  // namespace
}  // namespace longtail
