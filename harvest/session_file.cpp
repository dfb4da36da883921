#include "harvest/session_file.h"

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "harvest/keyword_file.h"

namespace longtail {
namespace {

using Json = nlohmann::ordered_json;

// A session larger than this is not a session this program wrote.
constexpr std::streamoff kLargestSession = std::streamoff(1) << 31;

std::string SourceIdOf(std::uint8_t number) {
  const auto& sources = AllSources();
  return number >= 1 && number <= sources.size() ? sources[number - 1].id : "";
}

std::uint8_t SourceNumberOf(const std::string& id) {
  const Source* source = FindSource(id);
  return source ? static_cast<std::uint8_t>(source - AllSources().data() + 1) : 0;
}

Json Strings(const std::vector<std::string>& items) {
  Json array = Json::array();
  for (const std::string& s : items) array.push_back(s);
  return array;
}

std::vector<std::string> ReadStrings(const Json& array) {
  std::vector<std::string> out;
  for (const Json& s : array) out.push_back(s.get<std::string>());
  return out;
}

// Thrown for content that parses as JSON but is not a session.
struct NotASession {
  std::string what;
};

void Require(bool ok, const char* what) {
  if (!ok) throw NotASession{what};
}

HarvestSession FromJson(const Json& j) {
  HarvestSession s;
  const Json& options = j.at("options");
  s.seeds = ReadStrings(j.at("seeds"));
  s.broad = options.at("broad").get<bool>();
  s.mustContain = options.at("mustContain").get<bool>();
  s.expansion = options.at("expansion").get<std::string>();
  s.exclude = ReadStrings(options.at("exclude"));
  s.maxDepth = options.at("maxDepth").get<int>();
  Require(s.maxDepth >= 0 && s.maxDepth <= PhraseOrigin::kDeepest, "maxDepth out of range");
  const Json& hosts = j.at("hosts");
  s.endpoints.suggestHost = hosts.at("suggest").get<std::string>();
  s.endpoints.searchHost = hosts.at("search").get<std::string>();
  for (const auto& [id, base] : hosts.at("bases").items())
    s.endpoints.bases[id] = base.get<std::string>();
  s.endpoints.sources = ReadStrings(j.at("sources"));
  for (const std::string& id : s.endpoints.sources) Require(FindSource(id), "unknown source");

  const Json& results = j.at("results");
  for (const Json& item : results) {
    SessionPhrase phrase;
    phrase.text = item.at("phrase").get<std::string>();
    const std::int64_t parent = item.at("parent").get<std::int64_t>();
    const int depth = item.at("depth").get<int>();
    Require(parent >= -1 && parent < static_cast<std::int64_t>(results.size()), "bad parent");
    Require(depth >= 0 && depth <= PhraseOrigin::kDeepest, "bad depth");
    phrase.origin.parent =
        parent < 0 ? PhraseOrigin::kNoParent : static_cast<std::uint32_t>(parent);
    phrase.origin.depth = static_cast<std::uint16_t>(depth);
    phrase.origin.source = SourceNumberOf(item.at("source").get<std::string>());
    s.results.push_back(std::move(phrase));
  }
  Require(s.seeds.size() <= s.results.size(), "fewer results than seeds");
  for (const Json& chain : j.at("chains")) {
    ChainPosition position;
    position.source = chain.at("source").get<std::string>();
    position.next = chain.at("next").get<std::int32_t>();
    Require(FindSource(position.source), "unknown source");
    Require(position.next >= 0 && position.next <= static_cast<std::int64_t>(s.results.size()),
            "chain position out of range");
    s.chains.push_back(std::move(position));
  }
  s.failed = ReadStrings(j.at("failed"));
  return s;
}

}  // namespace

void TakeResults(HarvestSession& session, const PhraseList::Snapshot& list) {
  session.results.clear();
  session.results.reserve(static_cast<std::size_t>(list.Count()));
  for (int i = 0; i < list.Count(); ++i)
    session.results.push_back({std::string(list.View(i)), list.Origin(i)});
}

void RestoreResults(const HarvestSession& session, PhraseList& list) {
  list.Clear();
  for (const SessionPhrase& phrase : session.results) {
    list.Append(phrase.text);
    list.SetOrigin(list.Count() - 1, phrase.origin);
  }
}

std::string SessionBytes(const HarvestSession& s) {
  Json bases = Json::object();
  for (const auto& [id, base] : s.endpoints.bases) bases[id] = base;
  Json results = Json::array();
  for (const SessionPhrase& phrase : s.results) {
    const bool seed = phrase.origin.parent == PhraseOrigin::kNoParent;
    results.push_back({{"phrase", phrase.text},
                       {"source", SourceIdOf(phrase.origin.source)},
                       {"parent", seed ? std::int64_t(-1) : std::int64_t(phrase.origin.parent)},
                       {"depth", phrase.origin.depth}});
  }
  Json chains = Json::array();
  for (const ChainPosition& chain : s.chains)
    chains.push_back({{"source", chain.source}, {"next", chain.next}});
  const Json j = {{"format", "longtail-session"},
                  {"version", kSessionVersion},
                  {"seeds", Strings(s.seeds)},
                  {"options",
                   {{"broad", s.broad},
                    {"mustContain", s.mustContain},
                    {"expansion", s.expansion},
                    {"exclude", Strings(s.exclude)},
                    {"maxDepth", s.maxDepth}}},
                  {"sources", Strings(s.endpoints.sources)},
                  {"hosts",
                   {{"suggest", s.endpoints.suggestHost},
                    {"search", s.endpoints.searchHost},
                    {"bases", bases}}},
                  {"results", results},
                  {"chains", chains},
                  {"failed", Strings(s.failed)}};
  return j.dump(1, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

bool WriteSessionFile(const std::string& path, const HarvestSession& session, std::string& error) {
  return WriteFileAtomically(path, SessionBytes(session), error);
}

SessionReadStatus ParseSession(const std::string& bytes, const std::string& name,
                               HarvestSession& session, std::string& error) {
  const Json j = Json::parse(bytes, nullptr, false);
  if (j.is_discarded() || !j.is_object() || j.value("format", "") != "longtail-session") {
    error = "session file \"" + name + "\" is not a session or is damaged";
    return SessionReadStatus::Damaged;
  }
  const auto version = j.find("version");
  if (version == j.end() || !version->is_number_integer() || *version < 1) {
    error = "session file \"" + name + "\" is damaged: no version";
    return SessionReadStatus::Damaged;
  }
  if (*version > kSessionVersion) {
    error = "session file \"" + name + "\" was written by a newer version (format " +
            std::to_string(version->get<std::int64_t>()) + "; this one reads up to " +
            std::to_string(kSessionVersion) + ")";
    return SessionReadStatus::Newer;
  }
  try {
    session = FromJson(j);
  } catch (const NotASession& e) {
    error = "session file \"" + name + "\" is damaged: " + e.what;
    return SessionReadStatus::Damaged;
  } catch (const nlohmann::json::exception&) {
    error = "session file \"" + name + "\" is damaged: a field is missing or of the wrong type";
    return SessionReadStatus::Damaged;
  }
  return SessionReadStatus::Ok;
}

SessionReadStatus ReadSessionFile(const std::string& path, HarvestSession& session,
                                  std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::error_code ec;
    const bool missing = !std::filesystem::exists(path, ec) && !ec;
    error = "cannot read session file \"" + path + "\"";
    return missing ? SessionReadStatus::Missing : SessionReadStatus::Unreadable;
  }
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  in.seekg(0);
  if (size < 0 || size > kLargestSession) {
    error = "session file \"" + path + "\" is too large to be a session";
    return SessionReadStatus::Damaged;
  }
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) {
    error = "cannot read session file \"" + path + "\"";
    return SessionReadStatus::Unreadable;
  }
  return ParseSession(bytes.str(), path, session, error);
}

}  // namespace longtail
