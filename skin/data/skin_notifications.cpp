#include "skin/data/skin_notifications.h"

#include <algorithm>

namespace lq {
namespace {

std::vector<LqSkinReceiver*>& Registry() {
  static std::vector<LqSkinReceiver*> receivers;
  return receivers;
}

}  // namespace

LqSkinReceiver::LqSkinReceiver() {
  Registry().push_back(this);
}

LqSkinReceiver::~LqSkinReceiver() {
  std::erase(Registry(), this);
}

const std::vector<LqSkinReceiver*>& SkinReceivers() {
  return Registry();
}

bool IsSkinReceiverAlive(const LqSkinReceiver* receiver) {
  const auto& r = Registry();
  return std::find(r.begin(), r.end(), receiver) != r.end();
}

}  // namespace lq
