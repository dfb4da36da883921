#pragma once
// The harvest run's status texts, in code page 936 like all of the program's text.

#include <string>

namespace longtail::status {

const std::string& Querying();  // 正在查询： (followed by the phrase)
const std::string& Finished();  // 查询完毕，这个词再也查不了了！
const std::string& Stopping();  // 正在手动停止查询....
const std::string& Stopped();   // 手动停止查询完毕
const std::string& AlreadyRunning();  // 正在查询中，不要重复点击！如果需要重新查询，请先停止！
const std::string& NoKeyword();  // 不能查询，请输入关键词！

}  // namespace longtail::status
