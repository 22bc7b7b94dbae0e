#include "common/code_page_check.h"

#include "common/ansi_codec.h"
#include "common/msgbox.h"

bool ansiCodePageReady()
{
    if (ansiCodePageAvailable())
        return true;
    MsgBox(QStringLiteral("本机的Qt缺少GBK(代码页936)字符集转换器，无法读写Ravoskel的文件。"
                          "请安装带ICU支持的Qt后再运行。"));
    return false;
}
