#pragma once
// Column headers drawn from a button element: every section is the element's image at
// the section's size (normal, hot under the mouse, down while pressed, disabled), with
// the caption in the element's font and colours and the sort order as a small
// triangle. Sorting by click and resizing by dragging section edges stay Qt's.

#include <QHeaderView>
#include <QStyleOptionHeader>
#include <string>

#include "skin/controls/control_looks.h"
#include "skin/controls/control_style.h"
#include "skin/controls/skin_binding.h"
#include "skin/controls/skin_client.h"
#include "skin/controls/slice_geometry.h"

namespace lq {

class LqSkinData;

// How one section is drawn: the element state it shows.
enum class HeaderSectionState { kNormal, kActive, kDown, kDisabled };

class LqSkinHeaderView : public QHeaderView, public SkinClient {
 public:
  explicit LqSkinHeaderView(Qt::Orientation orientation = Qt::Horizontal,
                            QWidget* parent = nullptr);

  LqSkinData* SkinData() const { return binding_.Data(); }
  // Stores the reference; a loaded skin is applied at once.
  void SetSkinData(LqSkinData* data);
  const std::string& SkinDataName() const { return binding_.Name(); }
  // Binds again at once when a skin is loaded.
  void SetSkinDataName(const std::string& name);
  bool IsBound() const { return binding_.Bound(); }

  // The caption font while unbound.
  const LqFont& DefaultFont() const { return binding_.DefaultFont(); }
  void SetDefaultFont(const LqFont& f);

  LqSkinData* skinDataRef() const override { return binding_.Data(); }
  void ReleaseSkin() override;
  void ApplySkin() override;

  // A horizontal header is as high as its sections: the element's height when bound.
  QSize sizeHint() const override;
  int SectionHeight() const;
  // The state the section is drawn in now (hover and press as Qt tracks them).
  HeaderSectionState SectionState(int logicalIndex) const;
  // Where the sort triangle of a section at rect goes.
  static QRect SortIndicatorRect(const QRect& section);

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
  void paintEvent(QPaintEvent* e) override;
  QSize sectionSizeFromContents(int logicalIndex) const override;

 private:
  void BindSkin();
  QStyleOptionHeader SectionOption(int logicalIndex) const;
  HeaderSectionState StateOf(const QStyleOptionHeader& opt) const;
  void UpdateFont();
  QImage SectionImage(QSize size, HeaderSectionState state) const;
  void DrawDefaultSection(QPainter& p, const QRect& r, HeaderSectionState state) const;
  Color CaptionColor(HeaderSectionState state) const;

  SkinBinding binding_{"resizebutton"};
  // Copies from the bound element; the picture is looked up by index when drawn.
  SliceGeometry geom_;
  SliceMode sliceMode_ = SliceMode::None;
  int pictureIndex_ = -1;
  ButtonLook look_;
};

}  // namespace lq
