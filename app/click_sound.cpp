#include "app/click_sound.h"

#include <QSoundEffect>
#include <QUrl>

namespace velmora {

ClickSound::ClickSound(const QString& programFolder, QObject* parent)
    : QObject(parent), effect_(new QSoundEffect(this)) {
  effect_->setSource(QUrl::fromLocalFile(programFolder + "sound.wav"));
}

void ClickSound::Play() {
  effect_->stop();
  effect_->play();
}

}  // namespace velmora
