#include "gui/window/first_start.h"

#include <QMessageBox>

#include "core/settings/settings_io.h"
#include "platform/data_directory.h"
#include "platform/program_directory.h"

namespace vdbq::gui {

void OfferSampleOnFirstStart(QWidget* parent, const SettingsStore& store,
                             const Settings& settings) {
  if (store.Read(kFtpToDirName)) return;
  const std::string sample = BundledSampleDirectory(ProgramDirectory());
  if (!SeedSampleDatabase(sample, settings.DatabaseDir)) return;
  // Not modal: the window and its data come first, the note only explains them.
  auto* note = new QMessageBox(
      QMessageBox::Information, QStringLiteral("Varnolt Database Query Utility"),
      QStringLiteral("Welcome. The database directory was empty, so the sample database that "
                     "comes with the program has been copied there:\n%1\n\nFetch your own "
                     "extracts with FTP Transfer, or choose their directory in Settings.")
          .arg(QString::fromLocal8Bit(settings.DatabaseDir)),
      QMessageBox::Ok, parent);
  note->setAttribute(Qt::WA_DeleteOnClose);
  note->setModal(false);
  note->show();
}

}  // namespace vdbq::gui
