#include "harvest/demo/phrase_graph.h"

#include <algorithm>
#include <iterator>
#include <numeric>
#include <stdexcept>

#include "text/ascii_case.h"
#include "text/cp936.h"

namespace longtail::demo {
namespace {

const char* const kNouns[] = {
    "手机",    "电脑",   "笔记本", "平板",   "耳机",  "相机",     "电视",   "空调", "冰箱",
    "洗衣机",  "汽车",   "自行车", "旅游",   "酒店",  "机票",     "火车票", "电影", "音乐",
    "小说",    "游戏",   "网游",   "减肥",   "美食",  "菜谱",     "装修",   "家具", "英语",
    "考研",    "驾校",   "保险",   "理财",   "股票",  "基金",     "房价",   "租房", "宠物",
    "鲜花",    "手表",   "球鞋",   "茶叶",   "qq",    "iphone",   "ipad",   "mp3",  "android",
    "windows", "office", "excel",  "seo",    "dota",  "nba",      "wifi",   "usb",  "led",
    "dvd",     "pdf",    "java",   "python", "linux", "photoshop"};
const char* const kModifiers[] = {
    "价格", "报价",   "推荐", "排行榜", "哪个好", "怎么样", "多少钱", "官网", "下载", "免费下载",
    "大全", "图片",   "评测", "参数",   "维修",   "教程",   "攻略",   "论坛", "品牌", "批发",
    "二手", "团购",   "促销", "型号",   "配置",   "软件",   "主题",   "壁纸", "视频", "在线",
    "2024", "最新版", "新款", "便宜",   "正品",   "专卖店", "网站",   "入门", "技巧", "问题"};
const char* const kQualifiers[] = {"最新", "便宜的", "好用的", "北京", "上海",
                                   "广州", "深圳",   "学生",   "女士", "男士",
                                   "儿童", "国产",   "进口",   "高端", "小型"};
// Words after a three-word phrase. None ends another, so a four-word phrase splits one way.
const char* const kTails[] = {"哪里有",   "哪家好", "怎么买", "靠谱吗",   "是真的吗", "怎么选",
                              "排名",     "前十",   "对比",   "推荐理由", "注意事项", "优缺点",
                              "使用方法", "保养",   "售后",   "投诉",     "口碑",     "知乎",
                              "贴吧",     "百科",   "新闻",   "展会",     "厂家",     "加盟",
                              "代理",     "招聘",   "培训",   "课程",     "考试",     "补贴"};

template <std::size_t N>
std::vector<std::string> Words(const char* const (&words)[N]) {
  return std::vector<std::string>(std::begin(words), std::end(words));
}

// The graph's variety is drawn from the code page 936 form of a text, so the answers for
// any text code page 936 holds stay what they were when the graph held that form.
std::uint64_t TextHash(std::string_view utf8, std::uint64_t salt) {
  return StableHash(Utf8ToGb18030(utf8), salt);
}

// A stride coprime with n, to spread the three-word phrases over all nouns.
std::size_t CoprimeStride(std::size_t n) {
  std::size_t stride = n / 2 + 7;
  while (std::gcd(stride, n) != 1) ++stride;
  return stride;
}

}  // namespace

std::uint64_t StableHash(std::string_view text, std::uint64_t salt) {
  std::uint64_t h = 14695981039346656037ull ^ (salt * 0x9E3779B97F4A7C15ull);
  for (char c : text) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  h ^= h >> 29;
  return h;
}

int PhraseGraph::MaxSize() {
  const std::size_t n = std::size(kNouns), m = std::size(kModifiers), q = std::size(kQualifiers);
  return static_cast<int>(n + n * m + q * n * m * (1 + std::size(kTails)));
}

PhraseGraph::PhraseGraph(int size)
    : nouns_(Words(kNouns)),
      modifiers_(Words(kModifiers)),
      qualifiers_(Words(kQualifiers)),
      tails_(Words(kTails)) {
  const std::size_t n = nouns_.size(), m = modifiers_.size(), q = qualifiers_.size();
  const std::size_t want = std::clamp<std::size_t>(static_cast<std::size_t>(std::max(size, 0)), n,
                                                   static_cast<std::size_t>(MaxSize()));
  auto add = [&](Parts p) {
    std::string text = Compose(p);
    if (index_.emplace(LowerAsciiLetters(text), static_cast<int>(phrases_.size())).second) {
      phrases_.push_back(std::move(text));
      parts_.push_back(p);
    }
  };
  for (std::size_t i = 0; i < n; ++i) add({-1, static_cast<int>(i), -1});
  // Two-word phrases in an order that visits every noun early.
  for (std::size_t k = 0; k < n * m && phrases_.size() < want; ++k)
    add({-1, static_cast<int>(k % n), static_cast<int>((k / n) % m)});
  threeStart_ = static_cast<int>(phrases_.size());
  const std::size_t three = q * n * m, stride = CoprimeStride(three);
  for (std::size_t k = 0; k < three && phrases_.size() < want; ++k) {
    std::size_t j = (k * stride) % three;
    add({static_cast<int>(j % q), static_cast<int>((j / q) % n), static_cast<int>(j / (q * n))});
  }
  threeCount_ = static_cast<int>(phrases_.size()) - threeStart_;
  // Only a graph holding every three-word phrase goes on to four words.
  if (phrases_.size() == n + n * m + three) tailed_ = static_cast<int>(want - phrases_.size());
}

// Four-word phrase k (counted from the first) is three-word phrase k mod T with tail k / T:
// the first tail goes with every three-word phrase before the second is used.
PhraseGraph::Parts PhraseGraph::PartsOf(int index) const {
  const int held = static_cast<int>(phrases_.size());
  if (index < held) return parts_.at(static_cast<std::size_t>(index));
  const int k = index - held;
  Parts p = parts_[static_cast<std::size_t>(threeStart_ + k % threeCount_)];
  p.tail = k / threeCount_;
  return p;
}

std::string PhraseGraph::Phrase(int index) const {
  if (index < 0 || index >= Size()) throw std::out_of_range("PhraseGraph::Phrase");
  if (index < static_cast<int>(phrases_.size())) return phrases_[static_cast<std::size_t>(index)];
  return Compose(PartsOf(index));
}

std::string PhraseGraph::Compose(const Parts& p) const {
  std::string text;
  if (p.qualifier >= 0) text += qualifiers_[static_cast<std::size_t>(p.qualifier)];
  text += nouns_[static_cast<std::size_t>(p.noun)];
  if (p.modifier >= 0) text += modifiers_[static_cast<std::size_t>(p.modifier)];
  if (p.tail >= 0) text += tails_[static_cast<std::size_t>(p.tail)];
  return text;
}

int PhraseGraph::FindTailed(std::string_view lowered) const {
  for (std::size_t t = 0; t < tails_.size(); ++t) {
    const std::string& tail = tails_[t];
    if (lowered.size() <= tail.size() ||
        lowered.compare(lowered.size() - tail.size(), tail.size(), tail) != 0)
      continue;
    auto it = index_.find(std::string(lowered.substr(0, lowered.size() - tail.size())));
    if (it == index_.end() || it->second < threeStart_) return -1;
    const long long index = static_cast<long long>(phrases_.size()) +
                            static_cast<long long>(t) * threeCount_ + (it->second - threeStart_);
    return index < Size() ? static_cast<int>(index) : -1;
  }
  return -1;
}

int PhraseGraph::Find(std::string_view phrase) const {
  const std::string lowered = LowerAsciiLetters(phrase);
  auto it = index_.find(lowered);
  if (it != index_.end()) return it->second;
  return tailed_ > 0 ? FindTailed(lowered) : -1;
}

void PhraseGraph::AddIfPresent(std::vector<std::string>& out, const Parts& p) const {
  int i = Find(Compose(p));
  if (i < 0) return;
  std::string phrase = Phrase(i);
  if (std::find(out.begin(), out.end(), phrase) == out.end()) out.push_back(std::move(phrase));
}

std::vector<std::string> PhraseGraph::Neighbours(std::string_view query, std::uint64_t salt,
                                                 int count) const {
  std::vector<std::string> out;
  const int m = static_cast<int>(modifiers_.size()), q = static_cast<int>(qualifiers_.size());
  const int at = Find(query);
  const Parts atParts = at >= 0 ? PartsOf(at) : Parts{};
  std::vector<int> nouns;
  if (at >= 0) {
    nouns.push_back(atParts.noun);
  } else {
    for (std::size_t i = 0; i < nouns_.size(); ++i)
      if (ContainsAtCharBoundary(LowerAsciiLetters(query), nouns_[i]))
        nouns.push_back(static_cast<int>(i));
  }
  std::uint64_t h = TextHash(LowerAsciiLetters(query), salt);
  // Phrases around the same noun: more specific ones first, then siblings.
  for (int noun : nouns) {
    for (int k = 0; k < count && static_cast<int>(out.size()) < count * 2 / 3; ++k) {
      int mod = static_cast<int>((h >> (k % 8)) % static_cast<std::uint64_t>(m) + k) % m;
      Parts p{-1, noun, mod};
      if (at >= 0 && atParts.modifier >= 0 && k % 2 == 0) {
        p.modifier = atParts.modifier;
        p.qualifier = static_cast<int>((h >> 3) % static_cast<std::uint64_t>(q) + k) % q;
        // Graphs with four-word phrases lead on to them from here.
        if (tailed_ > 0 && k % 4 == 0)
          p.tail = static_cast<int>((h >> 5) % tails_.size() + static_cast<std::size_t>(k)) %
                   static_cast<int>(tails_.size());
      }
      AddIfPresent(out, p);
    }
  }
  // A few far jumps keep the whole graph reachable.
  const std::string queryBytes = Utf8ToGb18030(query);
  for (int k = 0; static_cast<int>(out.size()) < count && k < count * 4; ++k) {
    std::uint64_t pick = StableHash(queryBytes, salt + static_cast<std::uint64_t>(k) + 1);
    std::string phrase = Phrase(static_cast<int>(pick % static_cast<std::uint64_t>(Size())));
    if (std::find(out.begin(), out.end(), phrase) == out.end()) out.push_back(std::move(phrase));
  }
  out.erase(std::remove_if(out.begin(), out.end(),
                           [&](const std::string& s) { return EqualsIgnoringAsciiCase(s, query); }),
            out.end());
  return out;
}

std::vector<std::string> PhraseGraph::Suggestions(std::string_view query, int variant) const {
  // Variant 0 keeps salt 1, the classic endpoint's; every other service answers its own way.
  const std::uint64_t salt = variant == 0 ? 1 : 100 + static_cast<std::uint64_t>(variant);
  std::vector<std::string> out = Neighbours(query, salt, 10);
  // Now and then a suggestion comes back in capitals, as real services do.
  if (!out.empty() && TextHash(query, 7) % 5 == 0) {
    for (char& c : out.back())
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  }
  return out;
}

std::vector<std::string> PhraseGraph::RelatedSearches(std::string_view query) const {
  return Neighbours(query, 2, 9);
}

bool PhraseGraph::HasRelatedBlock(std::string_view query) const {
  return TextHash(LowerAsciiLetters(query), 3) % 10 != 0;
}

}  // namespace longtail::demo
