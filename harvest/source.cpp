#include "harvest/source.h"

#include "harvest/source_readers.h"
#include "harvest/url_encode.h"
#include "text/cp936.h"

namespace longtail {
namespace {

using RK = RequestKind;
using TE = TextEncoding;

constexpr std::string_view kPhraseMark = "{}";

}  // namespace

const std::vector<Source>& AllSources() {
  static const std::vector<Source> sources = {
      {"soso", "搜搜", RK::Suggest, "http://www.soso.com", "/include/keywords.php?k={}",
       TE::CodePage936, readers::ClassicSuggestions},
      {"baidu-related", "百度", RK::Related, "http://www.baidu.com", "/s?wd={}", TE::CodePage936,
       readers::ClassicRelatedSearches},
      {"baidu", "百度联想", RK::Suggest, "https://suggestion.baidu.com",
       "/su?wd={}&cb=window.baidu.sug", TE::CodePage936, readers::BaiduSuggestions},
      {"google", "谷歌", RK::Suggest, "https://suggestqueries.google.com",
       "/complete/search?client=firefox&q={}", TE::Utf8, readers::QueryAndList},
      {"bing", "必应", RK::Suggest, "https://api.bing.com", "/osjson.aspx?query={}", TE::Utf8,
       readers::QueryAndList},
      {"duckduckgo", "DuckDuckGo", RK::Suggest, "https://duckduckgo.com", "/ac/?type=list&q={}",
       TE::Utf8, readers::QueryAndList},
      {"so360", "360搜索", RK::Suggest, "https://sug.so.360.cn",
       "/suggest?encodein=utf-8&encodeout=utf-8&format=json&word={}", TE::Utf8,
       readers::WordObjects},
      {"sogou", "搜狗", RK::Suggest, "https://www.sogou.com", "/suggnew/ajajjson?type=web&key={}",
       TE::CodePage936, readers::SogouSuggestions},
      {"taobao", "淘宝", RK::Suggest, "https://suggest.taobao.com", "/sug?code=utf-8&q={}",
       TE::Utf8, readers::PhraseCountPairs},
  };
  return sources;
}

const Source* FindSource(std::string_view id) {
  for (const Source& source : AllSources())
    if (id == source.id) return &source;
  return nullptr;
}

const Source& ClassicSuggestSource() {
  return AllSources()[0];
}

const Source& ClassicRelatedSource() {
  return AllSources()[1];
}

const char* KindName(RequestKind kind) {
  return kind == RequestKind::Suggest ? "suggest" : "related";
}

const char* EncodingName(TextEncoding encoding) {
  return encoding == TextEncoding::CodePage936 ? "cp936" : "utf8";
}

std::string EncodeQueryValue(std::string_view phrase, TextEncoding encoding) {
  return UrlEncode(encoding == TextEncoding::CodePage936 ? Utf8ToGb18030(phrase)
                                                         : std::string(phrase));
}

std::string_view Source::PathBeforePhrase() const {
  const std::string_view path = requestPath;
  return path.substr(0, path.find(kPhraseMark));
}

std::string Source::RequestUrl(std::string_view base, std::string_view phrase) const {
  const std::string_view path = requestPath;
  const std::size_t mark = path.find(kPhraseMark);
  std::string url(base);
  url += path.substr(0, mark);
  url += EncodeQueryValue(phrase, encoding);
  if (mark != std::string_view::npos) url += path.substr(mark + kPhraseMark.size());
  return url;
}

}  // namespace longtail
