// The floor Pingrel is measured against: the least a Qt Widgets program does to show a window
// at the popup's size that, like any window showing Chinese text, decodes its text from GBK
// once and shows a Chinese caption and a Chinese label, which loads a CJK font. The label is
// drawn in the popup's font, "宋体" mapped to an installed monospaced CJK face as the popup
// maps it, or with "system-font" in the toolkit's default font, whose CJK fallback is a
// proportional face that touches less of the font file.
#include "common/look.h"

#include <QApplication>
#include <QLabel>
#include <QStringDecoder>
#include <QWidget>

#include <cstring>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    const bool systemFont = argc > 1 && std::strcmp(argv[1], "system-font") == 0;
    QStringDecoder gbk("GBK");
    const QString title = gbk.decode(QByteArrayLiteral("\xb7\xb2\xc8\xcb\xd0\xde\xcf\xc9\xb4\xab"));
    QWidget window;
    if (!systemFont) {
        installFontSubstitutions();
        window.setFont(songtiFont(9));
    }
    window.setWindowTitle(QStringLiteral("来自Ravoskel的消息:【") + title +
                          QStringLiteral("已有更新章节】"));
    window.resize(640, 74);
    QLabel label(title + QStringLiteral(" 服务器已有更新章节:"), &window);
    label.setGeometry(0, 24, 640, 25);
    window.show();
    return QApplication::exec();
}
