#pragma once

#include <QColor>
#include <QString>

// One step of a label's colour cycle: the palette index that follows the one its Tag holds
// in the sequence first, second, third, fourth. A Tag matching none starts the sequence.
int nextColorIndex(const QString &tag, int first, int second, int third, int fourth);

// The classic 16-colour text-mode palette, indexes 0 to 15.
QColor paletteColor(int index);
