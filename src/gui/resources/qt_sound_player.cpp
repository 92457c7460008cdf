#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <array>

#include "gui/resources/sounds.h"

namespace vdbq::gui {
namespace {

class QtSoundPlayer : public SoundPlayer {
 public:
  void Stop() override {
    for (auto& effect : effects_) {
      if (effect && effect->isPlaying()) effect->stop();
    }
  }

  void Start(Sound sound) override {
    // Without an audio device the program is silent.
    if (QMediaDevices::defaultAudioOutput().isNull()) return;
    Effect(sound).play();
  }

 private:
  // Effects are made on first use, so a run with sounds off never opens the audio device.
  QSoundEffect& Effect(Sound sound) {
    auto& effect = effects_[static_cast<size_t>(sound)];
    if (!effect) {
      static constexpr std::array<const char*, 4> kFiles{"blipx", "tinkx", "errox", "plopx"};
      effect = std::make_unique<QSoundEffect>();
      effect->setSource(QUrl(QStringLiteral("qrc:/sounds/%1.wav")
                                 .arg(QLatin1String(kFiles[static_cast<size_t>(sound)]))));
      effect->setVolume(0.6f);
    }
    return *effect;
  }

  std::array<std::unique_ptr<QSoundEffect>, 4> effects_;
};

}  // namespace

std::unique_ptr<SoundPlayer> MakePlatformSoundPlayer() { return std::make_unique<QtSoundPlayer>(); }

}  // namespace vdbq::gui
