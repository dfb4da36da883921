#pragma once
// A list of same-sized glyph images (the hint and button image lists).

#include <QImage>
#include <QPainter>
#include <vector>

namespace lq {

class ImageList {
 public:
  ImageList(int width, int height) : width_(width), height_(height) {}

  int Width() const { return width_; }
  int Height() const { return height_; }
  int Count() const { return int(images_.size()); }
  bool IsValidIndex(int index) const { return index >= 0 && index < Count(); }
  // Adds an image, scaled to the list's size when it differs. Returns its index.
  int Add(const QImage& image);
  // Draws image `index` at (x, y): as it is, or in the disabled look (its shape embossed in
  // the button highlight and shadow colours). Invalid indices draw nothing.
  void Draw(QPainter& painter, int x, int y, int index, bool enabled = true) const;

 private:
  int width_;
  int height_;
  std::vector<QImage> images_;
};

}  // namespace lq
