#pragma once
// Every skin descriptor class, and the factories that pick the class for an element kind.

#include <memory>
#include <string>

#include "skin/data/control_descriptors.h"
#include "skin/data/object_descriptors.h"
#include "skin/data/window_descriptors.h"

namespace lq {

// The descriptor for a [SKINCONTROLS] kind (compared exactly), or nullptr for an unknown kind.
std::unique_ptr<LqDataSkinControl> CreateControlDescriptor(const std::string& kind,
                                                           const std::string& name);
// The descriptor for a [SKINOBJECTS] kind, or nullptr for an unknown kind.
std::unique_ptr<LqDataSkinObject> CreateObjectDescriptor(const std::string& kind,
                                                         const std::string& name);

}  // namespace lq
