#include "harvest/status_texts.h"

namespace longtail::status {
namespace {

std::string Seconds(std::chrono::milliseconds wait) {
  long long seconds = (wait.count() + 999) / 1000;
  return std::to_string(seconds < 1 ? 1 : seconds);
}

// The parts that are not zero, "3 个请求失败，1 个请求被拦截", UTF-8.
std::string RefusalCounts(int failed, int blocked) {
  std::string text;
  if (failed > 0) text = std::to_string(failed) + " 个请求失败";
  if (blocked > 0) {
    if (!text.empty()) text += "，";
    text += std::to_string(blocked) + " 个请求被拦截";
  }
  return text;
}

}  // namespace

#define LONGTAIL_STATUS_TEXT(name, utf8)  \
  const std::string& name() {             \
    static const std::string text = utf8; \
    return text;                          \
  }

LONGTAIL_STATUS_TEXT(Querying, "正在查询：")
LONGTAIL_STATUS_TEXT(Finished, "查询完毕，这个词再也查不了了！")
LONGTAIL_STATUS_TEXT(Stopping, "正在手动停止查询....")
LONGTAIL_STATUS_TEXT(Stopped, "手动停止查询完毕")
LONGTAIL_STATUS_TEXT(AlreadyRunning, "正在查询中，不要重复点击！如果需要重新查询，请先停止！")
LONGTAIL_STATUS_TEXT(StillStopping, "正在停止上一次查询，请稍候再点击查询！")
LONGTAIL_STATUS_TEXT(NoKeyword, "不能查询，请输入关键词！")

#undef LONGTAIL_STATUS_TEXT

std::string Paused(const std::string& source, std::chrono::milliseconds wait,
                   const std::string& reason) {
  return source + " 暂停 " + Seconds(wait) + " 秒：" + reason;
}

std::string Retrying(const std::string& source, std::chrono::milliseconds wait, int attempt,
                     const std::string& reason) {
  return source + " " + Seconds(wait) + " 秒后第 " + std::to_string(attempt) + " 次重试：" + reason;
}

std::string Refusals(int failed, int blocked) {
  std::string counts = RefusalCounts(failed, blocked);
  return counts.empty() ? std::string() : "（" + counts + "）";
}

std::string NothingAnswered(int failed, int blocked) {
  return "查询结束，没有一个请求得到回答：" + RefusalCounts(failed, blocked);
}

}  // namespace longtail::status
