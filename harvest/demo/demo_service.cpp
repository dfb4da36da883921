#include "harvest/demo/demo_service.h"

#include <cstdio>

#include "harvest/answer_parsing.h"
#include "harvest/demo/source_answers.h"
#include "harvest/source.h"
#include "text/cp936.h"

namespace longtail::demo {
namespace {

std::string EscapeUnits(const std::string& utf8) {
  std::string out;
  char buf[16];
  for (std::size_t i = 0; i < utf8.size();) {
    unsigned char c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
      if (c == '"' || c == '\\' || c == '%' || c == ',' || c < 0x20) {
        std::snprintf(buf, sizeof buf, "%%u%04X", c);
        out += buf;
      } else {
        out += static_cast<char>(c);
      }
      ++i;
      continue;
    }
    std::size_t len = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
    char32_t cp = c & (len == 2 ? 0x1F : len == 3 ? 0x0F : 0x07);
    for (std::size_t k = 1; k < len && i + k < utf8.size(); ++k)
      cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    i += len;
    if (cp >= 0x10000) {
      cp -= 0x10000;
      std::snprintf(buf, sizeof buf, "%%u%04X", static_cast<unsigned>(0xD800 + (cp >> 10)));
      out += buf;
      cp = 0xDC00 + (cp & 0x3FF);
    }
    std::snprintf(buf, sizeof buf, "%%u%04X", static_cast<unsigned>(cp));
    out += buf;
  }
  return out;
}

std::string HtmlEscape(const std::string& s) {
  std::string out;
  for (char c : s) {
    if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else if (c == '&')
      out += "&amp;";
    else if (c == '"')
      out += "&quot;";
    else
      out += c;
  }
  return out;
}

}  // namespace

std::string SuggestionAnswer(const std::vector<std::string>& phrases) {
  std::string out = "[";
  for (std::size_t i = 0; i < phrases.size(); ++i) {
    if (i) out += ',';
    out += '"';
    out += EscapeUnits(phrases[i]);
    out += '"';
  }
  out += ']';
  return out;
}

std::string ResultsPage(const std::string& query, const std::vector<std::string>& phrases,
                        bool withBlock) {
  const std::string title = HtmlEscape(query) + "_演示搜索";
  std::string page =
      "<!DOCTYPE html><html><head><meta http-equiv=\"content-type\" content=\"text/html;"
      "charset=gb2312\"><title>" +
      title + "</title></head><body>\n";
  for (int i = 1; i <= 6; ++i) {
    page += "<table cellpadding=\"0\" cellspacing=\"0\" class=\"result\" id=\"" +
            std::to_string(i) + "\"><tr><td class=f><a href=\"http://example.invalid/" +
            std::to_string(i) + "\" target=\"_blank\"><font size=\"3\">" + HtmlEscape(query) +
            " - 演示结果 " + std::to_string(i) + "</font></a><br><font size=-1>" +
            "这是一条演示用的搜索结果摘要。" + "</font></td></tr></table><br>\n";
  }
  if (withBlock) {
    page += std::string(markers::kAreaStart) +
            ";clear:both\"><table cellpadding=\"0\"><tr><th rowspan=\"2\" class=\"f14\">";
    page += std::string(markers::kHeading) + "</th><td>";
    page += std::string(markers::kTableStart);
    for (std::size_t i = 0; i < phrases.size(); ++i) {
      if (i) {
        page += (i % 5 == 0) ? "</td></tr><tr><td nowrap class=\"f14\">"
                             : "</td><td nowrap class=\"f14\">";
      }
      page += "<a href=\"s?wd=" + EncodeQueryValue(phrases[i], TextEncoding::CodePage936) + "\">" +
              phrases[i] + "</a>";
    }
    page += std::string(markers::kBlockEnd) + "</td></tr></table></div>\n";
  }
  page += "<div id=\"page\"><a href=\"s?wd=" + EncodeQueryValue(query, TextEncoding::CodePage936) +
          "&pn=10\">下一页</a></div></body></html>\n";
  return Utf8ToGb18030(page);
}

std::string VerificationPage() {
  return "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>安全验证</title></head>"
         "<body><h1>安全验证</h1><p>网络环境异常，请输入验证码后继续访问。</p>"
         "<p>Our systems have detected unusual traffic from your computer network. Please "
         "solve the captcha to continue.</p><form action=\"/verify/captcha\" method=\"post\">"
         "<img src=\"/verify/captcha.png\" alt=\"captcha\"><input name=\"code\">"
         "<button type=\"submit\">提交</button></form></body></html>\n";
}

HttpResponse BlockedAnswer(std::chrono::seconds retryAfter) {
  HttpResponse res;
  res.status = 429;
  res.reason = "Too Many Requests";
  res.headers.emplace_back("Content-Type", "text/html; charset=utf-8");
  if (retryAfter.count() > 0)
    res.headers.emplace_back("Retry-After", std::to_string(retryAfter.count()));
  res.body = VerificationPage();
  return res;
}

namespace {

// The source whose request path `target` is, and the phrase it asks about (UTF-8).
const Source* SourceOfTarget(std::string_view target, std::string& query) {
  for (const Source& source : AllSources()) {
    const std::string_view before = source.PathBeforePhrase();
    if (target.substr(0, before.size()) != before) continue;
    std::string_view value = target.substr(before.size());
    const std::string bytes = PercentDecode(value.substr(0, value.find('&')));
    query = source.encoding == TextEncoding::CodePage936 || !IsUtf8(bytes) ? Gb18030ToUtf8(bytes)
                                                                           : bytes;
    return &source;
  }
  return nullptr;
}

}  // namespace

HttpResponse DemoAnswer(const PhraseGraph& graph, const HttpRequest& request) {
  HttpResponse res;
  std::string query;
  const Source* source = SourceOfTarget(request.target, query);
  if (!source) {
    res.status = 404;
    res.reason = "Not Found";
    res.body = "<html><body>not found</body></html>";
  } else if (source == &ClassicSuggestSource()) {
    res.headers.emplace_back("Content-Type", "text/html; charset=gb2312");
    res.body = SuggestionAnswer(graph.Suggestions(query));
  } else if (source == &ClassicRelatedSource()) {
    res.headers.emplace_back("Content-Type", "text/html; charset=gb2312");
    bool block = graph.HasRelatedBlock(query);
    res.body = ResultsPage(query, block ? graph.RelatedSearches(query) : std::vector<std::string>{},
                           block);
  } else {
    res.headers.emplace_back("Content-Type", SourceAnswerType(*source));
    const int variant = static_cast<int>(source - AllSources().data());
    res.body = SourceAnswer(*source, query, graph.Suggestions(query, variant));
  }
  return res;
}

bool DemoService::Blocked(std::chrono::seconds& left) {
  if (options_.blockAfter <= 0) return false;
  std::lock_guard lock(blockMutex_);
  const auto now = std::chrono::steady_clock::now();
  if (blocking_ && options_.blockFor.count() > 0 && now >= blockEnds_) {
    blocking_ = false;
    answeredSinceBlock_ = 0;
  }
  if (!blocking_ && ++answeredSinceBlock_ > options_.blockAfter) {
    blocking_ = true;
    blockEnds_ = now + options_.blockFor;
  }
  if (!blocking_) return false;
  left = options_.blockFor.count() > 0 ? std::chrono::ceil<std::chrono::seconds>(blockEnds_ - now)
                                       : std::chrono::seconds(0);
  return true;
}

DemoService::DemoService(DemoOptions options, const std::string& host, int port)
    : options_(options), graph_(options.graphSize) {
  server_ = std::make_unique<LoopbackHttpServer>(
      [this](const HttpRequest& request) {
        const std::uint64_t n = ++counter_;
        auto every = [n](int period) {
          return period > 0 && n % static_cast<std::uint64_t>(period) == 0;
        };
        std::chrono::seconds left{0};
        HttpResponse res = Blocked(left) ? BlockedAnswer(left) : DemoAnswer(graph_, request);
        res.delayBeforeHeaders = options_.delay;
        if (res.status != 200) return res;
        if (every(options_.failEvery))
          res.dropConnection = true;
        else if (every(options_.emptyEvery))
          res.body.clear();
        else if (every(options_.cutEvery))
          res.cutAfter = res.body.size() / 2;
        if (options_.dripDelay.count() > 0) {
          res.chunkSize = kDripPieceBytes;
          res.chunkDelay = options_.dripDelay;
        }
        return res;
      },
      host, port);
}

}  // namespace longtail::demo
