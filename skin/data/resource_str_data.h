#pragma once
// LqResourceStrData: replaceable texts of the skinning layer (menu captions, hints, button
// captions), as NAME=text lines. Filled with English defaults at creation.

#include <string>
#include <vector>

namespace lq {

class LqResourceStrData {
 public:
  LqResourceStrData();

  std::vector<std::string> ResStrings;  // NAME=text
  int CharSet = 1;

  // The text after the first "=" of the line named `name`, or "" when there is none.
  std::string GetResStr(const std::string& name) const;
};

// The default entries, in order.
const std::vector<std::string>& DefaultResStrings();

}  // namespace lq
