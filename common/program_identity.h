#pragma once

#include <QString>

// The program's title doubles as the message-box caption, the settings application name
// and the base name of the main program's file, so it must stay in one place.
inline const QString kProgramTitle = QStringLiteral("Ravoskelv1.3.6");
inline const QString kMainProgramFile = QStringLiteral("Ravoskelv1.3.6.exe");
inline const QString kPopupProgramFile = QStringLiteral("Pingrel.exe");
