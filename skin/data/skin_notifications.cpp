#include "skin/data/skin_notifications.h"

#include <algorithm>

namespace lq {
namespace {

std::vector<TlqSkinReceiver*>& Registry() {
  static std::vector<TlqSkinReceiver*> receivers;
  return receivers;
}

}  // namespace

TlqSkinReceiver::TlqSkinReceiver() {
  Registry().push_back(this);
}

TlqSkinReceiver::~TlqSkinReceiver() {
  std::erase(Registry(), this);
}

const std::vector<TlqSkinReceiver*>& SkinReceivers() {
  return Registry();
}

bool IsSkinReceiverAlive(const TlqSkinReceiver* receiver) {
  const auto& r = Registry();
  return std::find(r.begin(), r.end(), receiver) != r.end();
}

}  // namespace lq
