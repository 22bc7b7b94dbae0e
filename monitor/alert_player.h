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

    // A bare name is looked for in the working directory. Goes through soundSeam().
    void play(const QString &fileName);
    // Stops whatever plays and plays the file from its start, aloud.
    void playAloud(const QString &fileName);
};

// What play() does: plays aloud through the player; a test records the file instead.
using SoundHandler = std::function<void(AlertPlayer &player, const QString &fileName)>;
Replaceable<SoundHandler> &soundSeam();
