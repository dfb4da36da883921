#pragma once
// A source: one suggestion service a harvest chain asks, as a small value. The registry
// lists every source the program knows, the classic pair first.

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "harvest/answer_parsing.h"

namespace longtail {

// What a source answers: keyword suggestions, or the related searches of a results page
// (asked only with broad relevance).
enum class RequestKind { Suggest, Related };

// How the phrase is written into the request, and how the answer's text is read.
enum class TextEncoding { CodePage936, Utf8 };

// Reads a whole answer body as received and hands its phrases (UTF-8, cleaned of control
// characters, empty ones skipped) to `sink`. False, with nothing handed on, when the body
// does not have the source's shape.
using AnswerReader = bool (*)(const std::string& body, const PhraseSink& sink);

struct Source {
  const char* id;           // as --sources names it
  const char* displayName;  // UTF-8, as the window and the status texts show it
  RequestKind kind;
  const char* defaultBase;  // scheme and host of the real service
  const char* requestPath;  // path and query; "{}" marks where the encoded phrase goes
  TextEncoding encoding;
  AnswerReader read;
  // The least time between two requests to the real service, unless one is set.
  std::chrono::milliseconds pacing{1000};

  // The address asking `base` ("scheme://host[:port]") about `phrase` (UTF-8).
  std::string RequestUrl(std::string_view base, std::string_view phrase) const;
  // The part of requestPath in front of the phrase.
  std::string_view PathBeforePhrase() const;
};

// Every source, the classic pair ("soso", "baidu-related") first.
const std::vector<Source>& AllSources();
// The source called `id`, or nullptr.
const Source* FindSource(std::string_view id);
// The classic pair's sources.
const Source& ClassicSuggestSource();
const Source& ClassicRelatedSource();

// "suggest" or "related"; "cp936" or "utf8".
const char* KindName(RequestKind kind);
const char* EncodingName(TextEncoding encoding);

// The phrase's bytes in `encoding`, percent-encoded for a query value.
std::string EncodeQueryValue(std::string_view phrase, TextEncoding encoding);

}  // namespace longtail
