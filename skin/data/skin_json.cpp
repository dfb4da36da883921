#include "skin/data/skin_json.h"

#include <iconv.h>

#include <cstdio>

namespace lq {
namespace {

bool IsValidUtf8(const std::string& s) {
  std::size_t i = 0;
  while (i < s.size()) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
    if (extra < 0 || i + std::size_t(extra) >= s.size()) return false;
    for (int k = 1; k <= extra; ++k)
      if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return false;
    i += std::size_t(extra) + 1;
  }
  return true;
}

bool IsAscii(const std::string& s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

// Skin texts are code page 936; anything that does not convert is kept byte for byte as
// Latin-1 so the output stays valid JSON.
std::string ToUtf8(const std::string& text) {
  if (IsAscii(text)) return text;
  iconv_t cd = iconv_open("UTF-8", "CP936");
  if (cd != iconv_t(-1)) {
    std::string out(text.size() * 4 + 4, '\0');
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size(), outLeft = out.size();
    char* o = out.data();
    std::size_t rc = iconv(cd, &in, &inLeft, &o, &outLeft);
    iconv_close(cd);
    if (rc != std::size_t(-1) && inLeft == 0) {
      out.resize(out.size() - outLeft);
      return out;
    }
  }
  if (IsValidUtf8(text)) return text;
  std::string out;
  for (char c : text) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x80) {
      out += c;
    } else {
      out += char(0xC0 | (u >> 6));
      out += char(0x80 | (u & 0x3F));
    }
  }
  return out;
}

// "[a, b, ...]" of integers.
std::string NumberList(std::initializer_list<int> values) {
  std::string out(1, '[');
  for (int v : values) {
    if (out.size() > 1) out += ", ";
    out += std::to_string(v);
  }
  out += ']';
  return out;
}

// Collects visited fields as "key": value pairs.
class JsonFieldWriter : public SkinFieldVisitor {
 public:
  std::string Object() const { return "{" + body_ + "}"; }

  void Integer(const char* key, int& value, int) override { Put(key, std::to_string(value)); }
  void Colour(const char* key, Color& value, Color) override { Put(key, std::to_string(value)); }
  void Flag(const char* key, bool& value) override { Put(key, value ? "true" : "false"); }
  void String(const char* key, std::string& value, const char*) override {
    Put(key, JsonString(value));
  }
  void RectValue(const char* key, Rect& value) override {
    Put(key, NumberList({value.left, value.top, value.right, value.bottom}));
  }
  void PointValue(const char* key, Point& value) override {
    Put(key, NumberList({value.x, value.y}));
  }
  void FontStyle(const char* key, TFontStyles& value) override {
    static const char* const kWords[] = {"bold", "italic", "underline", "strikeout"};
    std::string list;
    for (int i = 0; i < 4; ++i) {
      if (!(value & (1u << i))) continue;
      if (!list.empty()) list += ", ";
      list += std::string("\"") + kWords[i] + "\"";
    }
    Put(key, "[" + list + "]");
  }
  void Alignment(const char* key, TextAlignment& value) override { Number(key, int(value)); }
  void MorphKindValue(const char* key, MorphKind& value) override { Number(key, int(value)); }
  void StretchTypeValue(const char* key, StretchType& value) override { Number(key, int(value)); }
  void InactiveEffectValue(const char* key, InactiveEffect& value) override {
    Number(key, int(value));
  }
  void Command(const char* key, FrameCommand& value, FrameCommand) override {
    Number(key, int(value));
  }
  void Raw(const std::string& key, const std::string& json) { Put(key.c_str(), json); }

 private:
  void Number(const char* key, int value) { Put(key, std::to_string(value)); }
  void Put(const char* key, const std::string& json) {
    if (!body_.empty()) body_ += ", ";
    body_ += JsonString(AsciiLower(key)) + ": " + json;
  }
  std::string body_;
};

std::string PictureJson(const std::optional<BmpPicture>& p) {
  if (!p) return "null";
  return "{\"width\": " + std::to_string(p->pixels.width()) +
         ", \"height\": " + std::to_string(p->pixels.height()) +
         ", \"bits\": " + std::to_string(p->bitsPerPixel) + "}";
}

template <class List>
std::string ElementsJson(const List& list) {
  std::string out;
  for (const auto& d : list) {
    if (!out.empty()) out += ", ";
    out += "{\"name\": " + JsonString(d->IDName) + ", \"kind\": " + JsonString(d->Kind()) + "}";
  }
  return "[" + out + "]";
}

template <class D>
std::string DescribeElement(D& d) {
  JsonFieldWriter fields;
  d.VisitFields(fields);
  return "{\"name\": " + JsonString(d.IDName) + ", \"kind\": " + JsonString(d.Kind()) +
         ", \"class\": " + JsonString(d.ClassName()) + ", \"fields\": " + fields.Object() + "}";
}

}  // namespace

std::string JsonString(const std::string& text) {
  std::string out = "\"";
  for (char c : ToUtf8(text)) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char esc[8];
          std::snprintf(esc, sizeof esc, "\\u%04x", unsigned(static_cast<unsigned char>(c)));
          out += esc;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

std::string SkinInfoJson(const SkinContainer& c, const LqSkinData& skin) {
  std::string active;
  for (const BmpPicture& p : c.active) {
    if (!active.empty()) active += ", ";
    active += PictureJson(p);
  }
  return "{\"version\": " + std::to_string(c.version) +
         ", \"pictures\": {\"main\": " + PictureJson(c.main) +
         ", \"inactive\": " + PictureJson(c.inactive) + ", \"mask\": " + PictureJson(c.mask) +
         "}, \"active\": [" + active + "], \"text_length\": " + std::to_string(c.text.size()) +
         ", \"info\": {\"skinname\": " + JsonString(skin.skinname) +
         ", \"skinauthor\": " + JsonString(skin.skinauthor) +
         ", \"authoremail\": " + JsonString(skin.authoremail) +
         ", \"authorurl\": " + JsonString(skin.authorurl) +
         ", \"skincomments\": " + JsonString(skin.skincomments) +
         "}, \"objects\": " + ElementsJson(skin.ObjectDescriptors) +
         ", \"controls\": " + ElementsJson(skin.ControlDescriptors) + "}";
}

bool ElementJson(LqSkinData& skin, const std::string& name, std::string& out) {
  int i = skin.GetObjectIndex(name);
  if (i >= 0) {
    out = DescribeElement(*skin.ObjectDescriptors[std::size_t(i)]);
    return true;
  }
  i = skin.GetControlIndex(name);
  if (i < 0) return false;
  out = DescribeElement(*skin.ControlDescriptors[std::size_t(i)]);
  return true;
}

std::string FormInfoJson(LqSkinData& skin) {
  JsonFieldWriter all, popup, hint, colours;
  skin.VisitFormInfo(all);
  skin.PopupWindowDescriptor.VisitFields(popup);
  skin.HintWindowDescriptor.VisitFields(hint);
  skin.SkinColors.VisitFields(colours);
  all.Raw("popupwindow", popup.Object());
  all.Raw("hintwindow", hint.Object());
  all.Raw("skincolors", colours.Object());
  return all.Object();
}

}  // namespace lq
