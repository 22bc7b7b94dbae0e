#include "monitor/alert_player.h"

AlertPlayer::AlertPlayer(QObject *parent)
    : QObject(parent)
{
}

void AlertPlayer::play(const QString &fileName)
{
    soundSeam().get()(*this, fileName);
}

Replaceable<SoundHandler> &soundSeam()
{
    static Replaceable<SoundHandler> seam(
        [](AlertPlayer &player, const QString &fileName) { player.playAloud(fileName); });
    return seam;
}
