#include "ink.h"

#include <QImage>
#include <QWidget>

QRect inkRect(QWidget *widget)
{
    const QImage image = widget->grab().toImage();
    const QRgb background = image.pixel(image.width() - 1, image.height() - 1);
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}
