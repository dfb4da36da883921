// longtail-cli urlencode TEXT...: the URL encoding of the text's code page 936 bytes, as
// the harvest puts phrases into request URLs. Several arguments are joined by spaces.

#include <cstdio>

#include "app/cli/command_registry.h"
#include "harvest/url_encode.h"
#include "text/cp936.h"

namespace longtail::cli {
namespace {

int RunUrlEncode(const std::vector<std::string>& args) {
  if (args.empty()) {
    std::fprintf(stderr, "usage: longtail-cli urlencode TEXT...\n");
    return 2;
  }
  std::string text;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (i) text += ' ';
    text += args[i];
  }
  std::printf("%s\n", UrlEncode(Utf8ToGb18030(text)).c_str());
  return 0;
}

}  // namespace
}  // namespace longtail::cli

LONGTAIL_CLI_COMMAND(urlencode, "urlencode", "urlencode TEXT...", longtail::cli::RunUrlEncode);
