#pragma once

#include <QByteArray>
#include <QString>

// The ANSI code page of the systems the programs were made for: GBK (code page 936).
// Every file the programs write, and every title they put on the wire, passes through here.
// A character GBK cannot hold becomes '?'.
QByteArray toAnsi(const QString &text);
QString fromAnsi(const QByteArray &bytes);
