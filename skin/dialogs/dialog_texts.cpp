#include "skin/dialogs/dialog_texts.h"

#include "skin/data/resource_str_data.h"
#include "skin/data/skin_data.h"

namespace lq {

QString DialogText(const LqSkinData* skin, const char* key, const QString& builtIn) {
  const LqResourceStrData* strings = skin ? skin->ResourceStrData() : nullptr;
  if (!strings) return builtIn;
  const std::string text = strings->GetResStr(key);
  return text.empty() ? builtIn : QString::fromStdString(text);
}

}  // namespace lq
