#pragma once

#include <QString>

#include <functional>

// A message box with an OK button only, captioned with the program's title: "Ravoskelv1.3.6"
// or "Pingrel". It waits until the user closes it.
void MsgBox(const QString &text);

// Test seam: replaces what MsgBox does and returns the handler it replaced. An empty handler
// restores the real dialog.
using MessageBoxHandler = std::function<void(const QString &text)>;
MessageBoxHandler replaceMessageBoxHandler(MessageBoxHandler handler);
