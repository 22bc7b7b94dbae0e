#pragma once

#include <QCursor>
#include <QFont>
#include <QIcon>

// The pointing hand that clickable labels show (hot spot at the fingertip).
QCursor handCursor();

// "宋体" is the font the windows were laid out in; it is mapped to an installed CJK font.
void installFontSubstitutions();
QFont songtiFont(qreal pointSize, bool bold = false);

// The windows' icons, our own drawings.
QIcon mainProgramIcon();
QIcon monitorIcon();
QIcon popupIcon();
