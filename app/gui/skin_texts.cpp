#include "app/gui/skin_texts.h"

namespace longtail {

std::unique_ptr<lq::LqResourceStrData> EnglishSkinTexts() {
  auto texts = std::make_unique<lq::LqResourceStrData>();
  // Looked up by the file dialogs; short enough for the Chinese texts' places.
  for (const char* line : {
           "FLV_LOOKIN=Look in: ",
           "MSG_BTN_BACK_HINT=Back to the last folder",
           "MSG_BTN_UP_HINT=Up one level",
           "MSG_BTN_NEWFOLDER_HINT=New folder",
           "MSG_BTN_VIEWMENU_HINT=View menu",
           "MSG_LV_ICON=Large icons",
           "MSG_LV_SMALLICON=Small icons",
           "MSG_LV_LIST=List",
           "MSG_LV_DETAILS=Details",
           "MSG_FILENAME=Name:",
           "MSG_FILETYPE=Type:",
           "MSG_NEWFOLDER=New folder",
           "MSG_OVERWRITE=Do you want to replace the existing file?",
       })
    texts->ResStrings.emplace_back(line);
  return texts;
}

}  // namespace longtail
