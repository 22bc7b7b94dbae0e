#include "alert_player.h"

namespace {

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

SoundHandler replaceSoundHandler(SoundHandler handler)
{
    return std::exchange(currentHandler(), std::move(handler));
}
