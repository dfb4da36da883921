#pragma once
// A window stand-in for the harvest run: options, memo lines and the status texts shown.

#include <string>
#include <vector>

#include "harvest/harvest_run.h"

namespace longtail::testing {

class FakeHost : public HarvestHost {
 public:
  bool broad = false;
  bool mustContain = false;
  std::vector<std::string> memo;  // UTF-8
  std::vector<std::string> statuses;
  std::string resultLabel, exportLabel;
  int exportCount = 0;
  RequestPolicy policy;
  std::vector<std::string> exclude;
  int maxDepth = 0;

  bool BroadRelevance() const override { return broad; }
  bool MustContain() const override { return mustContain; }
  std::vector<std::string> MemoLines() const override { return memo; }
  int ExportCount() const override { return exportCount; }
  RequestPolicy Policy() const override { return policy; }
  std::vector<std::string> ExcludeWords() const override { return exclude; }
  int MaxDepth() const override { return maxDepth; }
  void ShowStatus(const std::string& text) override { statuses.push_back(text); }
  void SetResultCountLabel(const std::string& text) override { resultLabel = text; }
  void SetExportCountLabel(const std::string& text) override { exportLabel = text; }

  std::string LastStatus() const { return statuses.empty() ? "" : statuses.back(); }
};

}  // namespace longtail::testing
