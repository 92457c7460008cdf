#pragma once

#include "core/settings/settings.h"
#include "core/settings/settings_store.h"

class QWidget;

namespace vdbq::gui {

// An installed program started for the first time (no database directory in the settings) on
// an empty database directory copies its bundled sample there before the first load, so that a
// new user sees data at once, and says where the sample went and how to get real extracts.
void OfferSampleOnFirstStart(QWidget* parent, const SettingsStore& store, const Settings& settings);

}  // namespace vdbq::gui
