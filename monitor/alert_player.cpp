#include "alert_player.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

namespace {

constexpr float kHalfVolume = 0.5F;

SoundHandler &currentHandler()
{
    static SoundHandler handler;
    return handler;
}

} // namespace

AlertPlayer::AlertPlayer(QObject *parent)
    : QObject(parent)
{
}

void AlertPlayer::play(const QString &fileName)
{
    if (currentHandler())
        currentHandler()(fileName);
    else
        playAloud(fileName);
}

void AlertPlayer::playAloud(const QString &fileName)
{
    const QFileInfo file(fileName);
    if (!file.isFile())
        return;
    if (!m_player) {
        m_player = new QMediaPlayer(this);
        m_output = new QAudioOutput(this);
        m_output->setVolume(kHalfVolume);
        m_player->setAudioOutput(m_output);
    }
    // Stopping first rewinds a sound that is still playing or has played before.
    m_player->stop();
    m_player->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    m_player->play();
}

SoundHandler replaceSoundHandler(SoundHandler handler)
{
    return std::exchange(currentHandler(), std::move(handler));
}
