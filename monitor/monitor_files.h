#pragma once

#include <QString>

// The monitor's memory of the last page it took a current chapter from, in the working
// directory, so it survives between runs; "更换小说" deletes it.
inline const QString kRememberedPageFile = QStringLiteral("vemotemp.vemo");
// The spoken notice, shipped beside the program and found by its bare name.
inline const QString kAlertSoundFile = QStringLiteral("vemomp3.mp3");
// What the demonstration popup names instead of a novel.
inline const QString kDemoNotice = QStringLiteral("这是示范消息提示");
