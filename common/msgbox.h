#pragma once

#include "common/replaceable.h"

#include <QString>

#include <functional>

// A message box with an OK button only, captioned with the program's title: "Ravoskelv1.3.6"
// or "Pingrel". It waits until the user closes it.
void MsgBox(const QString &text);

// What MsgBox does: shows the dialog and waits; a test records the text instead.
using MessageBoxHandler = std::function<void(const QString &text)>;
Replaceable<MessageBoxHandler> &messageBoxSeam();
