#include <QApplication>
#include <QStyleFactory>
#include <cstdio>
#include <cstring>

#include "gui/main_window.h"
#include "gui/resources/pictures.h"

#ifndef VARNOLTDBQ_VERSION
#define VARNOLTDBQ_VERSION "0.0.0"
#endif

namespace {

// Answered before the application object exists, so that they work without a display.
bool AnswerInformationOptions(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("varnoltdbq %s\n", VARNOLTDBQ_VERSION);
      return true;
    }
    if (std::strcmp(argv[i], "--help") == 0) {
      std::printf(
          "Usage: varnoltdbq [Qt options]\n"
          "The Varnolt Database Query Utility: browse and report on a scheduler's database.\n\n"
          "  --help     print this text and exit\n"
          "  --version  print the program's name and version and exit\n\n"
          "The settings are in ~/.config/VarnoltDBQ/VarnoltDBQ.ini; varnoltdbq-cli runs the same "
          "reports without a window.\n");
      return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (AnswerInformationOptions(argc, argv)) return 0;
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("VarnoltDBQ"));
  QApplication::setApplicationVersion(QStringLiteral(VARNOLTDBQ_VERSION));
  QApplication::setApplicationDisplayName(QStringLiteral("Varnolt Database Query Utility"));
  // Lets the desktop match the window to the installed desktop entry and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(VARNOLTDBQ_APP_ID));
  // One look on every platform: the pictures and the colour rules are drawn for it.
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  vdbq::gui::InitResources();
  QApplication::setWindowIcon(vdbq::gui::ApplicationIcon());

  vdbq::gui::MainWindow window;
  window.show();
  return app.exec();
}
