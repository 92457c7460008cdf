#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "core/output/save_dialog.h"

class QWidget;

namespace vdbq::gui {

class Desktop;
class DesktopHost;

// Where an export goes. Creates the saves directory when it is missing, starts the save dialog
// at `proposed` (the saves directory itself when empty) and, when the chosen file exists, asks
// whether to overwrite it; nothing when the user declined either.
std::optional<QString> AskSaveFile(Desktop& dialogs, QWidget* parent, const std::string& savesDir,
                                   const QString& title, const QString& filter,
                                   const QString& proposed = {});

// Writes the whole file; false when it could not be written whole.
bool WriteWholeFile(const QString& name, const std::string& bytes);

// "Cannot create file NAME", in the platform's spelling of the path.
QString CannotCreateFileText(const QString& name);

// A feature's export of one text: asks where, as AskSaveFile does, then makes the text (only
// once the user chose a file), writes it and puts a failure in front of the user.
void SaveTextAs(DesktopHost& host, const SaveDialogTexts& texts,
                const std::function<std::string()>& makeText);

}  // namespace vdbq::gui
