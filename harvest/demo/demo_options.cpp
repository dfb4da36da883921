#include "harvest/demo/demo_options.h"

#include <charconv>
#include <sstream>

namespace longtail::demo {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

struct NumberOption {
  const char* name;
  const char* value;  // what the help text calls the value
  const char* help;
  long long min, max;  // max 0: the largest graph
  void (*apply)(DemoOptions&, long long);
};

const NumberOption kOptions[] = {
    {"--phrases", "N", "phrases in the graph (default 3000)", 1, 0,
     [](DemoOptions& o, long long v) { o.graphSize = static_cast<int>(v); }},
    {"--delay-ms", "MS", "wait MS before every answer", 0, 600000,
     [](DemoOptions& o, long long v) { o.delay = milliseconds(v); }},
    {"--drip-ms", "MS", "send each body in 16-byte pieces with MS between them", 0, 60000,
     [](DemoOptions& o, long long v) { o.dripDelay = milliseconds(v); }},
    {"--fail-every", "N", "close every Nth connection without an answer", 0, 1000000000,
     [](DemoOptions& o, long long v) { o.failEvery = static_cast<int>(v); }},
    {"--empty-every", "N", "give every Nth answer an empty body", 0, 1000000000,
     [](DemoOptions& o, long long v) { o.emptyEvery = static_cast<int>(v); }},
    {"--cut-every", "N", "end every Nth answer halfway through its body", 0, 1000000000,
     [](DemoOptions& o, long long v) { o.cutEvery = static_cast<int>(v); }},
    {"--block-after", "N", "after N requests answer 429 with a verification page ...", 0,
     1000000000, [](DemoOptions& o, long long v) { o.blockAfter = static_cast<int>(v); }},
    {"--block-seconds", "S",
     "... for S seconds (Retry-After: S), then serve N again;\n"
     "                        without it the block lasts until the service stops",
     0, 86400, [](DemoOptions& o, long long v) { o.blockFor = seconds(v); }},
};

}  // namespace

DemoOptionRead ReadDemoOption(const std::vector<std::string>& words, std::size_t& i,
                              DemoOptions& options, std::string& error) {
  const std::string& word = words[i];
  for (const NumberOption& o : kOptions) {
    const std::string name = o.name;
    std::string value;
    if (word == name) {
      if (i + 1 < words.size()) value = words[++i];
    } else if (word.compare(0, name.size() + 1, name + "=") == 0) {
      value = word.substr(name.size() + 1);
    } else {
      continue;
    }
    const long long max = o.max > 0 ? o.max : PhraseGraph::MaxSize();
    long long n = 0;
    auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), n);
    if (value.empty() || ec != std::errc() || end != value.data() + value.size() || n < o.min ||
        n > max) {
      error = name + " needs a number from " + std::to_string(o.min) + " to " + std::to_string(max);
      return DemoOptionRead::Bad;
    }
    o.apply(options, n);
    return DemoOptionRead::Read;
  }
  return DemoOptionRead::NotOurs;
}

bool ParseDemoOptions(const std::string& text, DemoOptions& options, std::string& error) {
  std::vector<std::string> words;
  std::istringstream in(text);
  for (std::string word; in >> word;) words.push_back(word);
  for (std::size_t i = 0; i < words.size(); ++i) {
    switch (ReadDemoOption(words, i, options, error)) {
      case DemoOptionRead::Read:
        break;
      case DemoOptionRead::Bad:
        return false;
      case DemoOptionRead::NotOurs:
        error = "unknown demo option '" + words[i] + "'";
        return false;
    }
  }
  return true;
}

std::string DemoOptionsHelp() {
  std::string help;
  for (const NumberOption& o : kOptions) {
    const std::string name = std::string("  ") + o.name + " " + o.value;
    help += name + std::string(name.size() < 24 ? 24 - name.size() : 1, ' ') + o.help + "\n";
  }
  return help;
}

}  // namespace longtail::demo
