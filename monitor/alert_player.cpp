#include "monitor/alert_player.h"

AlertPlayer::AlertPlayer(QObject *parent)
    : QObject(parent)
{
}

void AlertPlayer::play(const QString &fileName)
{
    if (const SoundHandler &handler = soundSeam().get())
        handler(fileName);
    else
        playAloud(fileName);
}

Replaceable<SoundHandler> &soundSeam()
{
    static Replaceable<SoundHandler> seam;
    return seam;
}
