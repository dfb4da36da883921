#pragma once
// The session the window keeps for the run that goes: the keeper of its file and what the
// run started with that the window's controls may no longer show (the memo can be edited
// while the run goes; the seeds it listed stay the run's).

#include <QString>
#include <string>
#include <vector>

#include "app/gui/export_autosave.h"
#include "harvest/session_keeper.h"

namespace longtail {

struct RunSession {
  RunSession(const QString& file, std::vector<std::string> runSeeds, std::string runExpansion)
      : path(file),
        keeper(LocalPath(file)),
        seeds(std::move(runSeeds)),
        expansion(std::move(runExpansion)) {}

  QString path;
  SessionKeeper keeper;
  std::vector<std::string> seeds;
  std::string expansion;
  std::string shownError;  // the write error last shown, so a failing file is told once
};

}  // namespace longtail
