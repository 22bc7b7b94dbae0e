#include "common/look.h"

#include <QImageReader>
#include <QPixmap>

#include <initializer_list>

namespace {
constexpr int kHandHotSpotX = 12;
constexpr int kHandHotSpotY = 1;
const QString kSongti = QStringLiteral("宋体");

// Our images are all PNG, read by Qt's built-in reader. Left to find the format itself, Qt
// first loads every image-format plugin installed (gif, ico, jpeg, svg with its library) and
// asks each whether it reads PNG: most of what the popup loads beyond a bare window.
QPixmap pngImage(const QString &resource)
{
    QImageReader reader(resource, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

// An icon from ready images, one per size; an icon given a file name would look for an icon
// engine plugin first.
QIcon iconOf(std::initializer_list<QString> resources)
{
    QIcon icon;
    for (const QString &resource : resources)
        icon.addPixmap(pngImage(resource));
    return icon;
}

} // namespace

QCursor handCursor()
{
    return QCursor(pngImage(QStringLiteral(":/ravoskel/images/hand.png")), kHandHotSpotX,
                   kHandHotSpotY);
}

void installFontSubstitutions()
{
    // SimSun draws Latin letters and blanks at half the width of a Chinese character; the
    // faces below keep that, so blank-padded captions land where they were laid out. Arphic's
    // SungtiL GB is a Song face, as SimSun is, and of the CJK faces Debian ships the one that
    // costs a program the least memory to draw with; the monospaced families follow.
    QFont::insertSubstitutions(
        kSongti, {QStringLiteral("SimSun"), QStringLiteral("AR PL SungtiL GB"),
                  QStringLiteral("Noto Sans Mono CJK SC"), QStringLiteral("WenQuanYi Zen Hei Mono"),
                  QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Zen Hei")});
}

QFont songtiFont(qreal pointSize, bool bold)
{
    QFont font(kSongti);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QIcon mainProgramIcon()
{
    // The large drawing blurs at title-bar size, so a simpler small one stands beside it.
    return iconOf({QStringLiteral(":/ravoskel/images/ravoskel.png"),
                   QStringLiteral(":/ravoskel/images/ravoskel_32.png")});
}

QIcon monitorIcon()
{
    return iconOf({QStringLiteral(":/ravoskel/images/monitor.png")});
}

QIcon popupIcon()
{
    // Drawn small at each size a window shows it; no large picture to shrink at start.
    return iconOf({QStringLiteral(":/ravoskel/images/popup_48.png"),
                   QStringLiteral(":/ravoskel/images/popup_32.png"),
                   QStringLiteral(":/ravoskel/images/popup_16.png")});
}
