#include "monitor/alert_player.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

namespace {

constexpr float kHalfVolume = 0.5F;

} // namespace

AlertPlayer::~AlertPlayer() = default;

void AlertPlayer::playAloud(const QString &fileName)
{
    const QFileInfo file(fileName);
    if (!file.isFile())
        return;
    // Made on the first sound, so a monitor that never plays never starts the media back end.
    auto *player = findChild<QMediaPlayer *>();
    if (!player) {
        player = new QMediaPlayer(this);
        auto *output = new QAudioOutput(this);
        output->setVolume(kHalfVolume);
        player->setAudioOutput(output);
    }
    // Stopping first rewinds a sound that is still playing or has played before.
    player->stop();
    player->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    player->play();
}
