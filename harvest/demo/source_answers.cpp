#include "harvest/demo/source_answers.h"

#include <nlohmann/json.hpp>

#include "text/cp936.h"

namespace longtail::demo {
namespace {

using nlohmann::json;

// Some services escape everything outside ASCII as \uXXXX, some send the characters; the
// demo does both so that both paths of the readers are exercised. A query that is not
// UTF-8 must not make the answer throw.
std::string Dumped(const json& value, bool asciiOnly) {
  return value.dump(-1, ' ', asciiOnly, json::error_handler_t::replace);
}

// ["query",["…","…"]], the OpenSearch suggestion answer.
std::string QueryAndList(std::string_view query, const std::vector<std::string>& phrases,
                         bool asciiOnly) {
  return Dumped(json::array({std::string(query), phrases}), asciiOnly);
}

}  // namespace

std::string SourceAnswer(const Source& source, std::string_view query,
                         const std::vector<std::string>& phrases) {
  const std::string_view id = source.id;
  const std::string q(query);
  if (id == "baidu") {
    // The keys are bare, as in the script the real service sends.
    std::string body =
        "window.baidu.sug({q:" + Dumped(q, false) + ",p:false,s:" + Dumped(phrases, false) + "});";
    return Utf8ToGb18030(body);
  }
  if (id == "google") {
    json answer = json::array({q, phrases, json::array(), json::object()});
    answer[3]["google:suggesttype"] = std::vector<std::string>(phrases.size(), "QUERY");
    return Dumped(answer, false);
  }
  if (id == "bing") return QueryAndList(query, phrases, false);
  if (id == "duckduckgo") return QueryAndList(query, phrases, true);
  if (id == "so360") {
    json answer = {{"query", q}, {"result", json::array()}, {"version", "2.0"}};
    for (const std::string& phrase : phrases) answer["result"].push_back({{"word", phrase}});
    return Dumped(answer, true);
  }
  if (id == "sogou") {
    json answer = json::array({q, phrases, std::vector<std::string>(phrases.size(), "0;0;0;0")});
    return Utf8ToGb18030("window.sogou.sug(" + Dumped(answer, false) + ",-1);");
  }
  if (id == "taobao") {
    json answer = {{"result", json::array()}};
    for (std::size_t i = 0; i < phrases.size(); ++i)
      answer["result"].push_back({phrases[i], std::to_string(90000 - i * 731)});
    return Dumped(answer, false);
  }
  return {};
}

std::string SourceAnswerType(const Source& source) {
  if (source.encoding == TextEncoding::CodePage936) return "text/javascript; charset=gbk";
  return "application/json; charset=utf-8";
}

}  // namespace longtail::demo
