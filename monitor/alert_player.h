#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QAudioOutput;
class QMediaPlayer;

// The window's media player: plays a sound file once, in the background, at half volume.
// A missing or unplayable file is passed over without a word.
class AlertPlayer : public QObject {
    Q_OBJECT

public:
    explicit AlertPlayer(QObject *parent = nullptr);

    // A bare name is looked for in the working directory.
    void play(const QString &fileName);

private:
    void playAloud(const QString &fileName);

    // Made on the first sound, so a monitor that never plays never starts the media back end.
    QMediaPlayer *m_player = nullptr;
    QAudioOutput *m_output = nullptr;
};

// Test seam: replaces what play() does and returns the handler it replaced. An empty handler
// restores the real player.
using SoundHandler = std::function<void(const QString &fileName)>;
SoundHandler replaceSoundHandler(SoundHandler handler);
