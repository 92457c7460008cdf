#include "gui/resources/sounds.h"

#ifndef VARNOLTDBQ_HAVE_MULTIMEDIA
namespace vdbq::gui {

std::unique_ptr<SoundPlayer> MakePlatformSoundPlayer() {
  return std::make_unique<SilentSoundPlayer>();
}

}  // namespace vdbq::gui
#endif
