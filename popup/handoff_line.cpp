#include "popup/handoff_line.h"

#include "common/line_model.h"
#include "common/text_file.h"

#include <QFileInfo>

QString handoffLine(const QString &fileName, int index)
{
    if (!QFileInfo::exists(fileName))
        return {};
    return splitLines(LoadTextFile(fileName)).value(index);
}
