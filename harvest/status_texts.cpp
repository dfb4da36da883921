#include "harvest/status_texts.h"

#include <atomic>

namespace longtail::status {
namespace {

std::atomic<Language> language{Language::Chinese};

bool English() {
  return CurrentLanguage() == Language::English;
}

std::string Seconds(std::chrono::milliseconds wait) {
  long long seconds = (wait.count() + 999) / 1000;
  return std::to_string(seconds < 1 ? 1 : seconds);
}

// The parts that are not zero, "3 个请求失败，1 个请求被拦截", UTF-8.
// English counts: "3 requests failed, 1 request blocked".
std::string EnglishCount(int n, const char* what) {
  return std::to_string(n) + (n == 1 ? " request " : " requests ") + what;
}

std::string RefusalCounts(int failed, int blocked) {
  const bool english = English();
  std::string text;
  if (failed > 0)
    text = english ? EnglishCount(failed, "failed") : std::to_string(failed) + " 个请求失败";
  if (blocked > 0) {
    if (!text.empty()) text += english ? ", " : "，";
    text += english ? EnglishCount(blocked, "blocked") : std::to_string(blocked) + " 个请求被拦截";
  }
  return text;
}

}  // namespace

void SetLanguage(Language chosen) {
  language = chosen;
}

Language CurrentLanguage() {
  return language;
}

Language LanguageOfLocale(const std::string& locale) {
  if (locale.empty() || locale == "C" || locale == "POSIX" || locale.rfind("C.", 0) == 0 ||
      locale.rfind("zh", 0) == 0)
    return Language::Chinese;
  return Language::English;
}

// Each text in both languages, in UTF-8.
#define LONGTAIL_STATUS_TEXT(name, utf8, english) \
  const std::string& name() {                     \
    static const std::string chinese = utf8;      \
    static const std::string other = english;     \
    return English() ? other : chinese;           \
  }

LONGTAIL_STATUS_TEXT(Querying, "正在查询：", "Querying: ")
LONGTAIL_STATUS_TEXT(Finished, "查询完毕，这个词再也查不了了！",
                     "Done: there is nothing left to ask!")
LONGTAIL_STATUS_TEXT(Stopping, "正在手动停止查询....", "Stopping the query....")
LONGTAIL_STATUS_TEXT(Stopped, "手动停止查询完毕", "The query was stopped")
LONGTAIL_STATUS_TEXT(AlreadyRunning, "正在查询中，不要重复点击！如果需要重新查询，请先停止！",
                     "A query is running! Stop it before you start a new one.")
LONGTAIL_STATUS_TEXT(StillStopping, "正在停止上一次查询，请稍候再点击查询！",
                     "The last query is still stopping; query again in a moment!")
LONGTAIL_STATUS_TEXT(NoKeyword, "不能查询，请输入关键词！", "Cannot query: enter a keyword!")

#undef LONGTAIL_STATUS_TEXT

std::string Paused(const std::string& source, std::chrono::milliseconds wait,
                   const std::string& reason) {
  if (English()) return source + " paused for " + Seconds(wait) + " s: " + reason;
  return source + " 暂停 " + Seconds(wait) + " 秒：" + reason;
}

std::string Retrying(const std::string& source, std::chrono::milliseconds wait, int attempt,
                     const std::string& reason) {
  if (English())
    return source + " retry " + std::to_string(attempt) + " in " + Seconds(wait) + " s: " + reason;
  return source + " " + Seconds(wait) + " 秒后第 " + std::to_string(attempt) + " 次重试：" + reason;
}

std::string Refusals(int failed, int blocked) {
  std::string counts = RefusalCounts(failed, blocked);
  if (counts.empty()) return std::string();
  return English() ? " (" + counts + ")" : "（" + counts + "）";
}

std::string NothingAnswered(int failed, int blocked) {
  if (English())
    return "The query ended with no request answered: " + RefusalCounts(failed, blocked);
  return "查询结束，没有一个请求得到回答：" + RefusalCounts(failed, blocked);
}

}  // namespace longtail::status
