#include "common/one_line_box.h"

#include <QLineEdit>
#include <QValidator>

#include <algorithm>

namespace {

qsizetype firstLineBreak(const QString &text)
{
    const auto found =
        std::find_if(text.cbegin(), text.cend(), [](QChar c) { return c == u'\r' || c == u'\n'; });
    return found == text.cend() ? -1 : found - text.cbegin();
}

// Whatever goes into a box ends where the cursor is left, and the box held no line break
// before: so a line break is the inserted text's, and its part from the break up to the cursor
// is what a one-line box drops. A text set whole leaves the cursor at its end.
class OneLineValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override
    {
        const qsizetype lineBreak = firstLineBreak(input);
        if (lineBreak < 0)
            return Acceptable;
        const QString afterInsertion = lineBreak < pos ? input.mid(pos) : QString();
        input = input.left(lineBreak) + textBeforeLineBreak(afterInsertion);
        pos = int(lineBreak);
        return Acceptable;
    }
};

} // namespace

QString textBeforeLineBreak(const QString &text)
{
    return text.left(firstLineBreak(text));
}

void keepToOneLine(QLineEdit *box)
{
    box->setValidator(new OneLineValidator(box));
}
