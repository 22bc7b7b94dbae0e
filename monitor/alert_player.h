#pragma once

#include "common/replaceable.h"

#include <QObject>
#include <QString>

#include <functional>

// The window's media player: plays a sound file once, in the background, at half volume.
// A missing or unplayable file is passed over without a word. Each platform plays it its own
// way (alert_player_multimedia.cpp, alert_player_mci.cpp).
class AlertPlayer : public QObject {
    Q_OBJECT

public:
    explicit AlertPlayer(QObject *parent = nullptr);
    ~AlertPlayer() override;

    // A bare name is looked for in the working directory.
    void play(const QString &fileName);

private:
    // Stops whatever plays and plays the file from its start.
    void playAloud(const QString &fileName);
};

// Test seam: what play() does instead of playing.
using SoundHandler = std::function<void(const QString &fileName)>;
Replaceable<SoundHandler> &soundSeam();
