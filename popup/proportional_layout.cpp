#include "popup/proportional_layout.h"

#include "common/twips.h"

#include <QRect>
#include <QVariant>
#include <QWidget>

namespace {

const char *const kTagProperty = "Tag";

TwipsGeometry twipsGeometry(const QRect &pixels)
{
    return {pixelsToTwips(pixels.x()), pixelsToTwips(pixels.y()), pixelsToTwips(pixels.width()),
            pixelsToTwips(pixels.height())};
}

QRect pixelRect(const TwipsGeometry &twips)
{
    return QRect(twipsToPixels(twips.left), twipsToPixels(twips.top), twipsToPixels(twips.width),
                 twipsToPixels(twips.height));
}

// Qt refuses a font of no size; the control then keeps the one it has.
void setFontSize(QWidget *control, float pointSize)
{
    if (pointSize <= 0)
        return;
    QFont font = control->font();
    font.setPointSizeF(pointSize);
    control->setFont(font);
}

} // namespace

ResizeReference recordLayout(const QObjectList &controls, const QSize &clientSize,
                             const QFont &formFont)
{
    const ResizeReference reference =
        resizeReference(pixelsToTwips(clientSize.width()), pixelsToTwips(clientSize.height()),
                        formFont.pointSizeF());
    for (QObject *control : controls) {
        if (auto *widget = qobject_cast<QWidget *>(control))
            widget->setProperty(kTagProperty, geometryTag(twipsGeometry(widget->geometry())));
    }
    return reference;
}

void applyLayout(const QObjectList &controls, const QSize &clientSize,
                 const ResizeReference &reference)
{
    const double scaleHeight = pixelsToTwips(clientSize.height());
    const ResizeFactors factors =
        resizeFactors(reference, pixelsToTwips(clientSize.width()), scaleHeight);
    const float fontSize = scaledFontSize(reference, scaleHeight);
    for (QObject *control : controls) {
        auto *widget = qobject_cast<QWidget *>(control);
        if (!widget)
            continue;
        const QString tag = widget->property(kTagProperty).toString();
        widget->setGeometry(pixelRect(scaledGeometry(geometryFromTag(tag), factors)));
        setFontSize(widget, fontSize);
    }
}
