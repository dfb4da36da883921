#include "harvest/status_texts.h"

#include "text/cp936.h"

namespace longtail::status {
#define LONGTAIL_STATUS_TEXT(name, utf8)               \
  const std::string& name() {                          \
    static const std::string text = Utf8ToCp936(utf8); \
    return text;                                       \
  }

LONGTAIL_STATUS_TEXT(Querying, "正在查询：")
LONGTAIL_STATUS_TEXT(Finished, "查询完毕，这个词再也查不了了！")
LONGTAIL_STATUS_TEXT(Stopping, "正在手动停止查询....")
LONGTAIL_STATUS_TEXT(Stopped, "手动停止查询完毕")
LONGTAIL_STATUS_TEXT(AlreadyRunning, "正在查询中，不要重复点击！如果需要重新查询，请先停止！")
LONGTAIL_STATUS_TEXT(NoKeyword, "不能查询，请输入关键词！")

#undef LONGTAIL_STATUS_TEXT

}  // namespace longtail::status
