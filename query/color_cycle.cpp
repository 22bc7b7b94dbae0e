#include "query/color_cycle.h"

#include <QRegularExpression>

#include <array>

namespace {

// The leading number of a text, 0 when it has none, as a Tag's value is read.
int leadingNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*([-+]?\\d+)"));
    const QRegularExpressionMatch match = number.match(text);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

} // namespace

int nextColorIndex(const QString &tag, int first, int second, int third, int fourth)
{
    const int current = leadingNumber(tag);
    if (current == first)
        return second;
    if (current == second)
        return third;
    if (current == third)
        return fourth;
    return first;
}

QColor paletteColor(int index)
{
    static const std::array<QColor, 16> palette = {
        QColor(0, 0, 0),       QColor(0, 0, 128),   QColor(0, 128, 0),   QColor(0, 128, 128),
        QColor(128, 0, 0),     QColor(128, 0, 128), QColor(128, 128, 0), QColor(192, 192, 192),
        QColor(128, 128, 128), QColor(0, 0, 255),   QColor(0, 255, 0),   QColor(0, 255, 255),
        QColor(255, 0, 0),     QColor(255, 0, 255), QColor(255, 255, 0), QColor(255, 255, 255),
    };
    return palette.at(static_cast<std::size_t>(index));
}
