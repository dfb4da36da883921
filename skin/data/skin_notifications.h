#pragma once
// Skin change notifications. A LqSkinData sends them synchronously to its owner first,
// then to every other receiver in registration order; receivers compare the sender with
// the skin data they use. Every receiver (a form, in the program) registers itself for its
// whole life, so a skin data never calls one that is gone.

#include <vector>

namespace lq {

class LqSkinData;

// Numbered from the platform's first user message, 1024.
constexpr int SKIN_BEFORE_CHANGE = 1225;
constexpr int SKIN_CHANGED = 1226;
constexpr int SKIN_AFTER_CHANGE = 1227;
constexpr int SKIN_STRINGS_CHANGED = 1274;
constexpr int SKIN_FORMSKINNABLE_CHANGED = 1294;
// The second message parameter that accompanies every notification.
constexpr int kSkinMessageParam = 1000;

class LqSkinReceiver {
 public:
  LqSkinReceiver();
  virtual ~LqSkinReceiver();
  LqSkinReceiver(const LqSkinReceiver&) = delete;
  LqSkinReceiver& operator=(const LqSkinReceiver&) = delete;

  virtual void SkinNotification(int message, LqSkinData& sender) = 0;
};

// Every live receiver in registration order.
const std::vector<LqSkinReceiver*>& SkinReceivers();
bool IsSkinReceiverAlive(const LqSkinReceiver* receiver);

}  // namespace lq
