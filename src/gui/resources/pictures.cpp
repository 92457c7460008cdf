#include "gui/resources/pictures.h"

#include <QHash>
#include <QPixmapCache>

inline void InitVarnoltResources() { Q_INIT_RESOURCE(varnoltdbq); }

namespace vdbq::gui {
namespace {

QPixmap Load(const QString& path) {
  QPixmap pixmap;
  if (!QPixmapCache::find(path, &pixmap)) {
    pixmap.load(path);
    QPixmapCache::insert(path, pixmap);
  }
  return pixmap;
}

const char* CategoryName(PageCategory category) {
  switch (category) {
    case PageCategory::Workstations:
      return "cpu";
    case PageCategory::Schedules:
      return "sch";
    case PageCategory::Jobs:
      return "job";
    case PageCategory::Calendars:
      return "cal";
    case PageCategory::Parameters:
      return "par";
    case PageCategory::Prompts:
      return "pro";
    case PageCategory::Resources:
      return "res";
    case PageCategory::Report:
    case PageCategory::Title:
    case PageCategory::Installation:
    case PageCategory::Changes:
    case PageCategory::Findings:
    case PageCategory::RunDays:
    case PageCategory::WhatRunsOn:
    case PageCategory::SearchHits:
    case PageCategory::Impact:
      return "rep";
  }
  return "rep";
}

}  // namespace

void InitResources() {
  static const bool done = [] {
    InitVarnoltResources();
    return true;
  }();
  (void)done;
}

QPixmap TreePicture(int index) {
  return Load(QStringLiteral(":/pictures/tree/%1.png").arg(index, 2, 10, QLatin1Char('0')));
}

QPixmap KindPicture(ObjectKind kind) {
  // The pictures the catalogue build gives the nodes of each kind.
  constexpr int kPictureOfKind[kObjectKindCount] = {6, 2, 4, 14, 12, 10, 8};
  if (kind == ObjectKind::None) return {};
  return TreePicture(kPictureOfKind[static_cast<int>(kind)]);
}

QIcon TreeIcon(int normal, int selected) {
  static QHash<int, QIcon> icons;
  const int key = normal * 64 + selected;
  auto found = icons.find(key);
  if (found != icons.end()) return *found;
  QIcon icon;
  icon.addPixmap(TreePicture(normal), QIcon::Normal);
  icon.addPixmap(TreePicture(selected), QIcon::Selected);
  icons.insert(key, icon);
  return icon;
}

QPixmap CategoryFace(PageCategory category, bool highlighted) {
  return Load(QStringLiteral(":/pictures/category/%1%2.png")
                  .arg(QLatin1String(CategoryName(category)),
                       highlighted ? QStringLiteral("_lit") : QString()));
}

QPixmap PanelButtonFace(PanelButton button, bool hovered) {
  const char* name = button == PanelButton::Next       ? "next"
                     : button == PanelButton::Previous ? "previous"
                                                       : "go";
  return Load(QStringLiteral(":/pictures/buttons/%1%2.png")
                  .arg(QLatin1String(name), hovered ? QStringLiteral("_hover") : QString()));
}

QPixmap PagePicture(Picture picture) {
  switch (picture) {
    case Picture::None:
      return {};
    case Picture::Yes:
      return Load(QStringLiteral(":/pictures/flags/yes.png"));
    case Picture::No:
      return Load(QStringLiteral(":/pictures/flags/no.png"));
    default:
      break;
  }
  const std::string_view name = PictureName(picture);
  return Load(QStringLiteral(":/pictures/os/%1.png")
                  .arg(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))));
}

QPixmap PrintPicture() { return Load(QStringLiteral(":/pictures/flags/print.png")); }

QPixmap BuiltInLogo() { return Load(QStringLiteral(":/pictures/logo.png")); }

QIcon ApplicationIcon() { return QIcon(Load(QStringLiteral(":/pictures/app_icon.png"))); }

QPixmap BackgroundPicture(Background background) {
  switch (background) {
    case Background::TitleBar:
      return Load(QStringLiteral(":/pictures/backgrounds/title_bar.jpg"));
    case Background::LeftPanel:
      return Load(QStringLiteral(":/pictures/backgrounds/left_panel.jpg"));
    case Background::CommandPanel:
      return Load(QStringLiteral(":/pictures/backgrounds/command_panel.jpg"));
    case Background::About:
      return Load(QStringLiteral(":/pictures/backgrounds/about.jpg"));
  }
  return {};
}

}  // namespace vdbq::gui
