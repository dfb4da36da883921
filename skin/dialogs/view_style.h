#pragma once
// The view styles of the file list: large icons, small icons, list and details.

namespace lq {

enum LqViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

}  // namespace lq
