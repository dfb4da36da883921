#include "net/request_url.h"

#include <gtest/gtest.h>

#include "net/retry_after.h"

namespace longtail {
namespace {

TEST(NormalizeRequestUrl, LibraryReadsSchemesPortsAndIpv6Literals) {
  struct Case {
    const char* address;
    const char* url;
  } accepted[] = {
      {"HTTP://A.example", "http://A.example/"},
      {"a.example:8080/s?wd=%D6%D0", "http://a.example:8080/s?wd=%D6%D0"},
      {"https://a.example/x", "https://a.example/x"},
      {"http://[::1]:8600/s", "http://[::1]:8600/s"},
      {"a.example/r?to=http://b.example/", "http://a.example/r?to=http://b.example/"},
  };
  for (const Case& c : accepted) {
    RequestUrl u = NormalizeRequestUrl(c.address);
    EXPECT_TRUE(u.ok()) << c.address << ": " << u.error;
    EXPECT_EQ(u.url, c.url);
  }
  for (const char* bad : {"", "ftp://a.example/x", "file:///etc/passwd", "a.example:http/x",
                          "a.example:70000/", "http://[::1/"}) {
    RequestUrl u = NormalizeRequestUrl(bad);
    EXPECT_FALSE(u.ok()) << bad << " -> " << u.url;
    EXPECT_TRUE(u.url.empty());
  }
  EXPECT_FALSE(NormalizeRequestUrl(std::string_view("http://a.example/\0x", 18)).ok());
}

TEST(ParseRetryAfter, SecondsOrHttpDate) {
  const std::time_t now = 1'700'000'000;  // 2023-11-14 22:13:20 GMT
  EXPECT_EQ(ParseRetryAfter(" 120 ", now), 120);
  EXPECT_EQ(ParseRetryAfter("Tue, 14 Nov 2023 22:18:20 GMT", now), 300);
  EXPECT_EQ(ParseRetryAfter("Tue, 14 Nov 2023 22:00:00 GMT", now), 0);  // already past
  EXPECT_EQ(ParseRetryAfter("99999999999999999999999", now), INT64_MAX);
  EXPECT_EQ(ParseRetryAfter("", now), std::nullopt);
  EXPECT_EQ(ParseRetryAfter("12s", now), std::nullopt);
  EXPECT_EQ(ParseRetryAfter("soon", now), std::nullopt);
}

}  // namespace
}  // namespace longtail
