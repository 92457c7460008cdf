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

// Qt aborts with a long message when no platform plugin starts. On X11 and Wayland systems a
// start with neither display and no platform asked for can only end so: say it in one line.
bool DisplayMissing(int argc, char** argv) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) {
      return false;
    }
  }
  return qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
         qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
  (void)argc;
  (void)argv;
  return false;
#endif
}

}  // namespace

int main(int argc, char** argv) {
  if (AnswerInformationOptions(argc, argv)) return 0;
  if (DisplayMissing(argc, argv)) {
    std::fprintf(stderr,
                 "varnoltdbq: no display found (DISPLAY is not set); varnoltdbq-cli does the same "
                 "work without one\n");
    return 1;
  }
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
