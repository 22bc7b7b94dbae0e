#include "monitor/alert_player.h"

#include <QDir>
#include <QFileInfo>

#include <qt_windows.h>

#include <mmsystem.h>

namespace {

// One device per program: the monitor is the only window that plays.
const QString kDevice = QStringLiteral("vemomp3");

// A machine that cannot play (no sound device, no MP3 decoder) stays silent, as the media
// player with its error dialogs off did: only the open's answer is looked at, so that a
// device that did not open is not told to play.
MCIERROR sendCommand(const QString &command)
{
    return mciSendStringW(reinterpret_cast<LPCWSTR>(command.utf16()), nullptr, 0, nullptr);
}

} // namespace

AlertPlayer::~AlertPlayer()
{
    sendCommand(QStringLiteral("close ") + kDevice);
}

void AlertPlayer::playAloud(const QString &fileName)
{
    const QFileInfo file(fileName);
    if (!file.isFile())
        return;
    // Closing stops a sound that is still playing; the file is opened afresh and played from
    // its start, as the player rewinds and plays the file it is given.
    sendCommand(QStringLiteral("close ") + kDevice);
    const QString path = QDir::toNativeSeparators(file.absoluteFilePath());
    if (sendCommand(QStringLiteral("open \"%1\" type mpegvideo alias %2").arg(path, kDevice)) != 0)
        return;
    sendCommand(QStringLiteral("setaudio %1 volume to 500").arg(kDevice));
    sendCommand(QStringLiteral("play %1 from 0").arg(kDevice));
}
