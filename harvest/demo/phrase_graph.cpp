#include "harvest/demo/phrase_graph.h"

#include <algorithm>
#include <numeric>

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

template <std::size_t N>
std::vector<std::string> ToCp936(const char* const (&words)[N]) {
  std::vector<std::string> out;
  for (const char* w : words) out.push_back(Utf8ToCp936(w));
  return out;
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

PhraseGraph::PhraseGraph(int size)
    : nouns_(ToCp936(kNouns)), modifiers_(ToCp936(kModifiers)), qualifiers_(ToCp936(kQualifiers)) {
  const std::size_t n = nouns_.size(), m = modifiers_.size(), q = qualifiers_.size();
  const std::size_t total = n + n * m + q * n * m;
  const std::size_t want =
      std::clamp<std::size_t>(static_cast<std::size_t>(std::max(size, 0)), n, total);
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
  const std::size_t three = q * n * m, stride = CoprimeStride(three);
  for (std::size_t k = 0; k < three && phrases_.size() < want; ++k) {
    std::size_t j = (k * stride) % three;
    add({static_cast<int>(j % q), static_cast<int>((j / q) % n), static_cast<int>(j / (q * n))});
  }
}

std::string PhraseGraph::Compose(const Parts& p) const {
  std::string text;
  if (p.qualifier >= 0) text += qualifiers_[static_cast<std::size_t>(p.qualifier)];
  text += nouns_[static_cast<std::size_t>(p.noun)];
  if (p.modifier >= 0) text += modifiers_[static_cast<std::size_t>(p.modifier)];
  return text;
}

int PhraseGraph::Find(std::string_view phrase) const {
  auto it = index_.find(LowerAsciiLetters(phrase));
  return it == index_.end() ? -1 : it->second;
}

void PhraseGraph::AddIfPresent(std::vector<std::string>& out, const Parts& p) const {
  int i = Find(Compose(p));
  if (i >= 0 &&
      std::find(out.begin(), out.end(), phrases_[static_cast<std::size_t>(i)]) == out.end())
    out.push_back(phrases_[static_cast<std::size_t>(i)]);
}

std::vector<std::string> PhraseGraph::Neighbours(std::string_view query, std::uint64_t salt,
                                                 int count) const {
  std::vector<std::string> out;
  const int m = static_cast<int>(modifiers_.size()), q = static_cast<int>(qualifiers_.size());
  int at = Find(query);
  std::vector<int> nouns;
  if (at >= 0) {
    nouns.push_back(parts_[static_cast<std::size_t>(at)].noun);
  } else {
    for (std::size_t i = 0; i < nouns_.size(); ++i)
      if (ContainsAtCharBoundary(LowerAsciiLetters(query), nouns_[i]))
        nouns.push_back(static_cast<int>(i));
  }
  std::uint64_t h = StableHash(LowerAsciiLetters(query), salt);
  // Phrases around the same noun: more specific ones first, then siblings.
  for (int noun : nouns) {
    for (int k = 0; k < count && static_cast<int>(out.size()) < count * 2 / 3; ++k) {
      int mod = static_cast<int>((h >> (k % 8)) % static_cast<std::uint64_t>(m) + k) % m;
      Parts p{-1, noun, mod};
      if (at >= 0 && parts_[static_cast<std::size_t>(at)].modifier >= 0 && k % 2 == 0) {
        p.modifier = parts_[static_cast<std::size_t>(at)].modifier;
        p.qualifier = static_cast<int>((h >> 3) % static_cast<std::uint64_t>(q) + k) % q;
      }
      AddIfPresent(out, p);
    }
  }
  // A few far jumps keep the whole graph reachable.
  for (int k = 0; static_cast<int>(out.size()) < count && k < count * 4; ++k) {
    std::uint64_t pick = StableHash(query, salt + static_cast<std::uint64_t>(k) + 1);
    const std::string& phrase = phrases_[pick % phrases_.size()];
    if (std::find(out.begin(), out.end(), phrase) == out.end()) out.push_back(phrase);
  }
  out.erase(std::remove_if(out.begin(), out.end(),
                           [&](const std::string& s) { return EqualsIgnoringAsciiCase(s, query); }),
            out.end());
  return out;
}

std::vector<std::string> PhraseGraph::Suggestions(std::string_view query) const {
  std::vector<std::string> out = Neighbours(query, 1, 10);
  // Now and then a suggestion comes back in capitals, as real services do.
  if (!out.empty() && StableHash(query, 7) % 5 == 0) {
    std::string& s = out.back();
    for (std::size_t i = 0; i < s.size(); i += Cp936CharLength(s, i))
      if (Cp936CharLength(s, i) == 1 && s[i] >= 'a' && s[i] <= 'z')
        s[i] = static_cast<char>(s[i] - 32);
  }
  return out;
}

std::vector<std::string> PhraseGraph::RelatedSearches(std::string_view query) const {
  return Neighbours(query, 2, 9);
}

bool PhraseGraph::HasRelatedBlock(std::string_view query) const {
  return StableHash(LowerAsciiLetters(query), 3) % 10 != 0;
}

}  // namespace longtail::demo
