#include "look.h"

#include <QPixmap>

namespace {
constexpr int kHandHotSpotX = 12;
constexpr int kHandHotSpotY = 1;
const QString kSongti = QStringLiteral("宋体");
} // namespace

QCursor handCursor()
{
    return QCursor(QPixmap(QStringLiteral(":/ravoskel/images/hand.png")), kHandHotSpotX,
                   kHandHotSpotY);
}

void installFontSubstitutions()
{
    // SimSun draws Latin letters and blanks at half the width of a Chinese character; the
    // monospaced CJK families keep that, so blank-padded captions land where they were laid out.
    QFont::insertSubstitutions(
        kSongti, {QStringLiteral("SimSun"), QStringLiteral("Noto Sans Mono CJK SC"),
                  QStringLiteral("WenQuanYi Zen Hei Mono"), QStringLiteral("Noto Sans CJK SC"),
                  QStringLiteral("WenQuanYi Zen Hei")});
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
    QIcon icon(QStringLiteral(":/ravoskel/images/ravoskel.png"));
    icon.addFile(QStringLiteral(":/ravoskel/images/ravoskel_32.png"), QSize(32, 32));
    return icon;
}

QIcon monitorIcon()
{
    return QIcon(QStringLiteral(":/ravoskel/images/monitor.png"));
}

QIcon popupIcon()
{
    return QIcon(QStringLiteral(":/ravoskel/images/popup.png"));
}
