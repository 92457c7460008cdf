#include <QApplication>
#include <QStyleFactory>

#include "gui/main_window.h"
#include "gui/resources/pictures.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("VarnoltDBQ"));
  QApplication::setApplicationDisplayName(QStringLiteral("Varnolt Database Query Utility"));
  // One look on every platform: the pictures and the colour rules are drawn for it.
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  vdbq::gui::InitResources();
  QApplication::setWindowIcon(vdbq::gui::ApplicationIcon());

  vdbq::gui::MainWindow window;
  window.show();
  return app.exec();
}
