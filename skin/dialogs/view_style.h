#pragma once
// The view styles of the file list: large icons, small icons, list and details.

namespace lq {

enum TlqViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

}  // namespace lq
