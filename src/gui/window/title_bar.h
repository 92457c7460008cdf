#pragma once

#include <QLabel>

#include "gui/widgets/picture_panel.h"

namespace vdbq::gui {

// PanelTitleBar: the background picture, the "Last Update :" stamp of the extracts and the
// logo at the right.
class TitleBar : public PicturePanel {
  Q_OBJECT
 public:
  explicit TitleBar(QWidget* parent = nullptr);

  void SetLogo(const QPixmap& logo);
  void SetLastUpdate(const QString& text);
  QLabel* Logo() const { return logo_; }
  QLabel* LastUpdate() const { return lastUpdate_; }
  // The logo's left edge follows the window's width.
  void PlaceLogo(int windowWidth);

 private:
  QLabel* logo_;
  QLabel* lastUpdate_;
};

}  // namespace vdbq::gui
