#pragma once
// The answer readers of the sources (see source.h): each accepts its service's documented
// format and refuses everything else. JSON goes through a real JSON parser.

#include <string>

#include "harvest/answer_parsing.h"

namespace longtail::readers {

// The classic pair: the bracketed list of %u-escaped strings, and the results page.
bool ClassicSuggestions(const std::string& body, const PhraseSink& sink);
bool ClassicRelatedSearches(const std::string& body, const PhraseSink& sink);
// window.baidu.sug({q:"…",p:false,s:["…","…"]}); in code page 936.
bool BaiduSuggestions(const std::string& body, const PhraseSink& sink);
// ["query",["…","…"], ...] in UTF-8 (the OpenSearch suggestion format).
bool QueryAndList(const std::string& body, const PhraseSink& sink);
// {"result":[{"word":"…"},…]} in UTF-8.
bool WordObjects(const std::string& body, const PhraseSink& sink);
// window.sogou.sug(["query",["…","…"],…],-1); in code page 936.
bool SogouSuggestions(const std::string& body, const PhraseSink& sink);
// {"result":[["…","count"],…]} in UTF-8.
bool PhraseCountPairs(const std::string& body, const PhraseSink& sink);

}  // namespace longtail::readers
