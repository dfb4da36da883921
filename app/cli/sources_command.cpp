// longtail-cli sources: one line per source the harvest can ask,
// ID<TAB>KIND<TAB>DEFAULT-URL<TAB>ENCODING.

#include <cstdio>

#include "app/cli/command_registry.h"
#include "harvest/source.h"

namespace longtail::cli {
namespace {

int RunSources(const std::vector<std::string>& args) {
  if (!args.empty()) {
    std::fprintf(stderr, "sources: takes no arguments\n");
    return 2;
  }
  for (const Source& source : AllSources())
    std::printf("%s\t%s\t%s\t%s\n", source.id, KindName(source.kind),
                source.RequestUrl(source.defaultBase, "").c_str(), EncodingName(source.encoding));
  return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace
}  // namespace longtail::cli

LONGTAIL_CLI_COMMAND(sources, "sources", "sources", longtail::cli::RunSources,
                     "Lists the sources harvest --sources can pick, one a line:\n"
                     "ID, KIND (suggest, or related: asked only with --broad), the default\n"
                     "request address (the phrase goes after its '='), and the encoding the\n"
                     "phrase is sent in (cp936 or utf8).\n");
