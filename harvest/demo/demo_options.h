#pragma once
// The demo service's settings as words: serve-demo's options, which the window's
// in-process demo also takes from the environment (LONGTAIL_DEMO_OPTIONS), so that both
// can be told to misbehave the same way.

#include <cstddef>
#include <string>
#include <vector>

#include "harvest/demo/demo_service.h"

namespace longtail::demo {

inline constexpr const char* kDemoOptionsVariable = "LONGTAIL_DEMO_OPTIONS";

enum class DemoOptionRead { NotOurs, Read, Bad };

// Reads the option at words[i] ("--name VALUE" or "--name=VALUE"), advancing i past its
// value. Bad sets `error` to a sentence naming the option and what it needs.
DemoOptionRead ReadDemoOption(const std::vector<std::string>& words, std::size_t& i,
                              DemoOptions& options, std::string& error);

// Reads every word of space-separated `text` as a demo option; false with `error` at the
// first word that is not one or has a bad value.
bool ParseDemoOptions(const std::string& text, DemoOptions& options, std::string& error);

// The options names and meanings, one a line, for help texts.
std::string DemoOptionsHelp();

}  // namespace longtail::demo
