#pragma once
// The harvest run's status texts, in UTF-8 like all of the program's text. They are
// Chinese unless the process chose English (the window's English face, the tool's
// --lang en or an English LANG).

#include <chrono>
#include <string>

namespace longtail::status {

enum class Language { Chinese, English };

// The language of every status text from now on; Chinese until set.
void SetLanguage(Language language);
Language CurrentLanguage();
// The language a locale name such as LANG's asks for: Chinese for "zh..." and for no
// language at all ("", "C", "C.UTF-8", "POSIX"), English otherwise.
Language LanguageOfLocale(const std::string& locale);

const std::string& Querying();  // 正在查询： (followed by the phrase)
const std::string& Finished();  // 查询完毕，这个词再也查不了了！
const std::string& Stopping();  // 正在手动停止查询....
const std::string& Stopped();   // 手动停止查询完毕
const std::string& AlreadyRunning();  // 正在查询中，不要重复点击！如果需要重新查询，请先停止！
const std::string& StillStopping();  // 正在停止上一次查询，请稍候再点击查询！
const std::string& NoKeyword();      // 不能查询，请输入关键词！

// "百度 暂停 30 秒：要求验证": a blocked service's chain waits before asking again.
// `source` and `reason` are UTF-8; the wait is shown in whole seconds, rounded up.
std::string Paused(const std::string& source, std::chrono::milliseconds wait,
                   const std::string& reason);
// "搜搜 2 秒后第 1 次重试：连接失败": a failed request is asked again after a back-off.
std::string Retrying(const std::string& source, std::chrono::milliseconds wait, int attempt,
                     const std::string& reason);
// What an end text adds when requests did not count: "（3 个请求失败，1 个请求被拦截）".
std::string Refusals(int failed, int blocked);
// The end text of a run in which no request was answered.
std::string NothingAnswered(int failed, int blocked);

}  // namespace longtail::status
