#include "skin/dialogs/file_mask.h"

#include <QRegularExpression>

namespace lq {

std::vector<FilterEntry> ParseFilter(const QString& filter) {
  std::vector<FilterEntry> entries;
  const QStringList parts = filter.split(QLatin1Char('|'));
  for (int i = 0; i < parts.size(); i += 2) {
    if (parts[i].isEmpty() && i + 1 >= parts.size()) break;
    FilterEntry e;
    e.description = parts[i];
    e.mask = i + 1 < parts.size() ? parts[i + 1] : QStringLiteral("*.*");
    entries.push_back(e);
  }
  return entries;
}

QStringList MaskPatterns(const QString& mask) {
  QStringList out;
  for (const QString& p : mask.split(QRegularExpression(QStringLiteral("[;|]")))) {
    const QString t = p.trimmed();
    if (!t.isEmpty()) out << t;
  }
  return out;
}

// "*" any run, "?" any one character; the classic backtracking-free two-pointer match.
static bool WildcardMatch(const QString& text, const QString& pattern) {
  qsizetype t = 0, p = 0, star = -1, resume = 0;
  while (t < text.size()) {
    if (p < pattern.size() && (pattern[p] == QLatin1Char('?') || pattern[p] == text[t])) {
      ++t;
      ++p;
    } else if (p < pattern.size() && pattern[p] == QLatin1Char('*')) {
      star = p++;
      resume = t;
    } else if (star >= 0) {
      p = star + 1;
      t = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == QLatin1Char('*')) ++p;
  return p == pattern.size();
}

bool MatchesMask(const QString& fileName, const QString& mask) {
  const QString name = fileName.toCaseFolded();
  for (const QString& pattern : MaskPatterns(mask)) {
    if (!pattern.contains(QLatin1Char('.'))) {
      if (pattern == QLatin1String("*")) return true;
      continue;
    }
    if (WildcardMatch(name, pattern.toCaseFolded())) return true;
  }
  return false;
}

QString MaskExtension(const QString& mask) {
  if (mask.contains(QLatin1String(".*"))) return {};
  const QString first = mask.section(QLatin1Char(';'), 0, 0).trimmed();
  const int dot = first.lastIndexOf(QLatin1Char('.'));
  if (dot < 0 || dot + 1 >= first.size()) return {};
  const QString ext = first.mid(dot);
  // A wildcard in the extension names no single extension to add.
  if (ext.contains(QLatin1Char('*')) || ext.contains(QLatin1Char('?'))) return {};
  return ext;
}

static int ExtensionDot(const QString& name) {
  const int slash = name.lastIndexOf(QLatin1Char('/'));
  const int dot = name.lastIndexOf(QLatin1Char('.'));
  if (dot <= slash || dot + 1 >= name.size()) return -1;
  return dot;
}

bool HasExtension(const QString& name) {
  return ExtensionDot(name) >= 0;
}

QString ReplaceExtension(const QString& name, const QString& extension) {
  const int dot = ExtensionDot(name);
  QString base = dot >= 0 ? name.left(dot) : name;
  if (base.endsWith(QLatin1Char('.'))) base.chop(1);
  return base + extension;
}

QString ApplySaveExtensions(const QString& path, const QString& mask, const QString& defaultExt) {
  QString out = path;
  const QString ext = MaskExtension(mask);
  if (!ext.isEmpty() && !HasExtension(out)) out += ext;
  if (!defaultExt.isEmpty() && !HasExtension(out)) out += QLatin1Char('.') + defaultExt;
  return out;
}

QString JoinFolder(const QString& folder, const QString& name) {
  if (folder.endsWith(QLatin1Char('/'))) return folder + name;
  return folder + QLatin1Char('/') + name;
}

QString NewFolderName(int count, const QString& base) {
  if (count <= 1) return base;
  return base + QLatin1Char('(') + QString::number(count) + QLatin1Char(')');
}

}  // namespace lq
