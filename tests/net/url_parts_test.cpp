#include "net/url_parts.h"

#include <gtest/gtest.h>

namespace longtail {
namespace {

TEST(SplitHttpUrl, SchemeHostPortAndPath) {
  struct Case {
    const char* url;
    const char* host;
    int port;
    const char* path;
  } cases[] = {
      {"http://a.example/s?wd=x", "a.example", 80, "/s?wd=x"},
      {"HTTP://a.example/s", "a.example", 80, "/s"},
      {"hTtP://a.example:8080/p/q", "a.example", 8080, "/p/q"},
      {"a.example:8080", "a.example", 8080, "/"},
      {"a.example:abc/x", "a.example", 80, "/x"},
      {"a.example:/x", "a.example", 80, "/x"},
      {"a.example:0/x", "a.example", 80, "/x"},
      {"a.example:80:90/x", "a.example", 80, "/x"},  // "80:90" is not a number
      {"http://a.example", "a.example", 80, "/"},
      {"https://a.example/x", "https", 80, "//a.example/x"},  // only http is understood
      {"", "", 80, "/"},
  };
  for (const Case& c : cases) {
    HttpUrlParts p = SplitHttpUrl(c.url);
    EXPECT_EQ(p.host, c.host) << c.url;
    EXPECT_EQ(p.port, c.port) << c.url;
    EXPECT_EQ(p.path, c.path) << c.url;
    EXPECT_TRUE(p.portInRange) << c.url;
  }
}

TEST(SplitHttpUrl, NumbersOutsideThePortRangeCannotConnect) {
  EXPECT_FALSE(SplitHttpUrl("h:70000/").portInRange);
  EXPECT_FALSE(SplitHttpUrl("h:-1/").portInRange);
  EXPECT_TRUE(SplitHttpUrl("h:65535/").portInRange);
}

}  // namespace
}  // namespace longtail
