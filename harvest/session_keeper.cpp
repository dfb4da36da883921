#include "harvest/session_keeper.h"

namespace longtail {

SessionKeeper::SessionKeeper(std::string path) : path_(std::move(path)) {}

SessionKeeper::~SessionKeeper() = default;

void SessionKeeper::SaveInBackground(HarvestSession session, PhraseList::Snapshot list) {
  if (pending_.exchange(true)) return;
  if (!worker_) worker_ = std::make_unique<SerialWorker>(SerialWorker::Priority::Background);
  worker_->Post([this, session = std::move(session), list = std::move(list)]() mutable {
    TakeResults(session, list);
    std::string error;
    WriteSessionFile(path_, session, error);
    {
      std::lock_guard lock(errorMutex_);
      lastError_ = error;
    }
    pending_ = false;
  });
}

bool SessionKeeper::SaveNow(HarvestSession session, const PhraseList::Snapshot& list,
                            std::string& error) {
  worker_.reset();  // runs what was handed over, then joins
  TakeResults(session, list);
  return WriteSessionFile(path_, session, error);
}

std::string SessionKeeper::LastError() const {
  std::lock_guard lock(errorMutex_);
  return lastError_;
}

}  // namespace longtail
