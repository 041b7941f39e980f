#include "app/SoundPlayer.h"

#include "engine/RunFlags.h"
#include "platform/Environment.h"
#include "platform/PathStyle.h"
#include "platform/Sound.h"

#include <QEventLoop>
#include <QPointer>
#include <memory>

namespace tidecopy {

void SoundPlayer::play(const std::string& fileName, SoundWait wait) {
    if (m_flags.PreviewMode)
        return;
    const std::string path = PathStyle::native().join(m_environment.resourceFolder, fileName);
    if (wait == SoundWait::Asynchronous) {
        m_sound.play(path, {});
        return;
    }
    auto ended = std::make_shared<bool>(false);
    QEventLoop loop;
    QPointer<QEventLoop> waiting(&loop);
    m_sound.play(path, [ended, waiting] {
        *ended = true;
        if (waiting)
            waiting->quit();
    });
    if (!*ended)
        loop.exec();
}

} // namespace tidecopy
