#pragma once
// A resumable harvest session: the seeds, the options, the sources and their hosts, the
// result list with each phrase's origin, where each chain stands and the phrases that
// failed. Stored as versioned JSON, replaced atomically. A file that is damaged or written
// by a newer version is refused with a reason, never read in part.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "harvest/harvest_run.h"
#include "harvest/phrase_list.h"

namespace longtail {

inline constexpr int kSessionVersion = 1;

struct SessionPhrase {
  std::string text;  // UTF-8
  PhraseOrigin origin;
};

struct HarvestSession {
  std::vector<std::string> seeds;  // the memo lines, as typed
  bool broad = true;
  bool mustContain = false;
  std::string expansion;
  std::vector<std::string> exclude;
  int maxDepth = 0;
  HarvestEndpoints endpoints;
  std::vector<SessionPhrase> results;
  std::vector<ChainPosition> chains;
  std::vector<std::string> failed;
};

// Copies the items and origins of a shared list into `session.results` (any thread).
void TakeResults(HarvestSession& session, const PhraseList::Snapshot& list);
// Fills `list` with the session's results and their origins.
void RestoreResults(const HarvestSession& session, PhraseList& list);

std::string SessionBytes(const HarvestSession& session);
bool WriteSessionFile(const std::string& path, const HarvestSession& session, std::string& error);

enum class SessionReadStatus { Ok, Missing, Unreadable, Damaged, Newer };
// Reads `path` into `session`; on anything but Ok `error` says why and `session` is untouched.
SessionReadStatus ReadSessionFile(const std::string& path, HarvestSession& session,
                                  std::string& error);
// The same for bytes already read; `name` names them in the error.
SessionReadStatus ParseSession(const std::string& bytes, const std::string& name,
                               HarvestSession& session, std::string& error);

}  // namespace longtail
