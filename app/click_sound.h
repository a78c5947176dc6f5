#pragma once

#include <QObject>

class QSoundEffect;

namespace velmora {

// "sound.wav" of the program folder, played without waiting; a new click
// restarts it. Silent when the machine has no audio device.
class ClickSound : public QObject {
 public:
  ClickSound(const QString& programFolder, QObject* parent);
  void Play();

 private:
  QSoundEffect* effect_;
};

}  // namespace velmora
