#pragma once
// Keeps a session file up to date without holding up the thread that runs the harvest:
// the list is shared, not copied, and turned into JSON and written on a background worker.
// A write still pending when the next one is asked for makes that one unnecessary.

#include <atomic>
#include <memory>
#include <mutex>
#include <string>

#include "harvest/phrase_list.h"
#include "harvest/serial_worker.h"
#include "harvest/session_file.h"

namespace longtail {

class SessionKeeper {
 public:
  explicit SessionKeeper(std::string path);
  ~SessionKeeper();
  SessionKeeper(const SessionKeeper&) = delete;
  SessionKeeper& operator=(const SessionKeeper&) = delete;

  const std::string& Path() const { return path_; }
  // `session` without its results; they are taken from `list` on the worker.
  void SaveInBackground(HarvestSession session, PhraseList::Snapshot list);
  // Lets the background writes finish, then writes this one here.
  bool SaveNow(HarvestSession session, const PhraseList::Snapshot& list, std::string& error);
  // Why the last background write failed; empty once one succeeds.
  std::string LastError() const;

 private:
  std::string path_;
  std::atomic<bool> pending_{false};
  mutable std::mutex errorMutex_;
  std::string lastError_;
  std::unique_ptr<SerialWorker> worker_;
};

}  // namespace longtail
