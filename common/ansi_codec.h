#pragma once

#include "common/replaceable.h"

#include <QByteArray>
#include <QString>

// The ANSI code page of the systems the programs were made for: GBK (code page 936); on
// Windows the system's own ANSI code page. Every file the programs write, and every title
// they put on the wire, passes through here.

// A character the code page cannot hold becomes one '?', wherever it stands.
QByteArray toAnsi(const QString &text);
// A character cut short at the end of the bytes becomes a replacement character.
QString fromAnsi(const QByteArray &bytes);

// Whether this Qt can convert the code page at all; without it every file would be written
// empty.
bool ansiCodePageAvailable();

// Qt's name for the system's own ANSI code page: GBK where the system has none
// (ansi_code_page_posix.cpp), the system's where it has one (ansi_code_page_windows.cpp).
QByteArray systemAnsiCodePage();

// Test seam: the code page, by Qt's name for it.
Replaceable<QByteArray> &ansiCodePageSeam();
