#include "gui/window_fixture.h"

#include <QEnterEvent>
#include <QMenuBar>

#include "support/temp_dir.h"

namespace vdbq::gui::testing {

QString SampleDatabaseDir() { return QStringLiteral(VARNOLTDBQ_SAMPLE_DB_DIR); }

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

void CopyDirectory(const QString& from, const QString& to) {
  QDir().mkpath(to);
  const QDir source(from);
  for (const QString& name : source.entryList(QDir::Files)) {
    QFile::copy(source.filePath(name), to + QLatin1Char('/') + name);
  }
}

WindowFixture::WindowFixture(Database database) {
  if (database == Database::Sample) {
    CopyDirectory(SampleDatabaseDir(), QString::fromStdString(DatabaseDir()));
  }
  store_ = std::make_unique<QSettingsStore>(IniPath());
}

WindowFixture::WindowFixture(const Extracts& extracts) : WindowFixture(Database::None) {
  vdbq::testing::TempDir written;
  vdbq::testing::WriteExtractSet(written, extracts);
  CopyDirectory(QString::fromStdString(written.Path().string()),
                QString::fromStdString(DatabaseDir()));
}

std::string WindowFixture::ProgramDir() const { return dir_.path().toStdString() + "/"; }

QString WindowFixture::IniPath() const { return dir_.filePath(QStringLiteral("settings.ini")); }

void WindowFixture::Preset(const std::string& name, const std::string& value) {
  store_->Write(name, value);
}

MainWindow& WindowFixture::Start() {
  MainWindowEnvironment environment;
  environment.ProgramDir = ProgramDir();
  environment.Store = store_.get();
  environment.Sounds = std::make_unique<RecordingSounds>(Sounds);
  environment.ShowMessage = [this](const QString& text) { Messages.push_back(text); };
  environment.Dialogs = &Desktop;
  window_ = std::make_unique<MainWindow>(std::move(environment));
  QSignalSpy started(window_.get(), &MainWindow::started);
  window_->show();
  if (!window_->Started()) started.wait(5000);
  return *window_;
}

MainWindow& WindowFixture::Restart() {
  window_->close();
  window_.reset();
  store_ = std::make_unique<QSettingsStore>(IniPath());
  return Start();
}

bool WindowFixture::Select(const std::vector<std::string>& path) {
  const QModelIndex index = window_->TreeModel()->FindPath(path);
  if (!index.isValid()) return false;
  for (QModelIndex up = index.parent(); up.isValid(); up = up.parent()) {
    window_->Tree()->expand(up);
  }
  window_->Tree()->setCurrentIndex(index);
  window_->Tree()->scrollTo(index);
  return true;
}

void Click(QWidget* widget) {
  QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

QString LabelText(const QWidget* parent, const char* name) {
  return parent->findChild<QLabel*>(QString::fromLatin1(name))->text();
}

QString PageName(const MainWindow& window) { return window.CurrentPage()->objectName(); }

void RunReport(MainWindow& window, int category, int option, const QString& search) {
  ReportPanelWidget* panel = window.Panel();
  while (window.State().Panel.ReportCategory() != category) panel->StepCategory(true);
  panel->Tick(option);
  panel->SearchBox()->setText(search);
  Click(panel->GoButton());
}

QAction* FindAction(QMenu* menu, const QString& text) {
  for (QAction* action : menu->actions()) {
    if (action->text() == text) return action;
    QAction* found = action->menu() != nullptr ? FindAction(action->menu(), text) : nullptr;
    if (found != nullptr) return found;
  }
  return nullptr;
}

QMenu* ReportsMenu(MainWindow& window) {
  return window.menuBar()->findChild<QMenu*>(QStringLiteral("ReportOptions1"));
}

void WithSettingsDialog(MainWindow& window, const std::function<void(SettingsDialog&)>& step) {
  bool ran = false;
  SettingsDialog* dialog = window.SettingsForm();
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, dialog, [&] {
    if (!dialog->isVisible()) return;
    poll.stop();
    ran = true;
    step(*dialog);
    if (dialog->isVisible()) dialog->reject();
  });
  poll.start(10);
  window.Menu()->Settings->trigger();
  QVERIFY(ran);
}

void Settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

bool Activate(MainWindow& window) {
  window.activateWindow();
  return QTest::qWaitForWindowActive(&window);
}

void Enter(QWidget* widget) {
  const QPointF at = QRectF(widget->rect()).center();
  QEnterEvent event(at, widget->mapTo(widget->window(), at), widget->mapToGlobal(at));
  QApplication::sendEvent(widget, &event);
}

void Leave(QWidget* widget) {
  QEvent event(QEvent::Leave);
  QApplication::sendEvent(widget, &event);
}

}  // namespace vdbq::gui::testing
