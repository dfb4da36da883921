#pragma once
// The view styles of the file list: large icons, small icons, list and details.

namespace lq {

enum class FileViewStyle { Icon, SmallIcon, List, Report };

}  // namespace lq
