#pragma once

#include <memory>

namespace vdbq::gui {

// The interface sounds.
enum class Sound { Blip, Tink, Error, Plop };

// Plays sounds asynchronously; a missing audio device is silence, not an error.
class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  virtual void Stop() = 0;
  virtual void Start(Sound sound) = 0;
};

// The platform's player, or a silent one where the program was built without sound support.
std::unique_ptr<SoundPlayer> MakePlatformSoundPlayer();

class SilentSoundPlayer : public SoundPlayer {
 public:
  void Stop() override {}
  void Start(Sound) override {}
};

}  // namespace vdbq::gui
