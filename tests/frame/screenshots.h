#pragma once
// Frame screenshots for people to look at, written only on request: set
// LONGTAIL_SCREENSHOT_DIR to a directory.

#include <QDir>
#include <QImage>
#include <QString>

namespace lq::test {

inline void SaveScreenshot(const QImage& image, const char* name) {
  const QString dir = qEnvironmentVariable("LONGTAIL_SCREENSHOT_DIR");
  if (dir.isEmpty()) return;
  QDir().mkpath(dir);
  image.save(dir + "/" + name + ".png");
}

}  // namespace lq::test
