#include "app/QtSound.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <memory>

namespace tidecopy {

namespace {
// Our sounds last a second or two; a sound that never reports its end is over by then.
constexpr int longestSoundMs = 10000;
} // namespace

void QtSound::play(const std::string& path, std::function<void()> finished) {
    if (QMediaDevices::audioOutputs().isEmpty()) {
        if (finished)
            finished();
        return;
    }
    auto* effect = new QSoundEffect(this);
    auto ended = std::make_shared<bool>(false);
    auto finish = [effect, ended, finished = std::move(finished)] {
        if (*ended)
            return;
        *ended = true;
        effect->deleteLater();
        if (finished)
            finished();
    };
    connect(effect, &QSoundEffect::playingChanged, effect, [effect, finish] {
        if (!effect->isPlaying())
            finish();
    });
    connect(effect, &QSoundEffect::statusChanged, effect, [effect, finish] {
        if (effect->status() == QSoundEffect::Error)
            finish();
    });
    QTimer::singleShot(longestSoundMs, effect, finish);
    effect->setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
    effect->play();
}

} // namespace tidecopy
