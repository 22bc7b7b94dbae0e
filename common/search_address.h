#pragma once

#include <QString>
#include <QUrl>

// The novel-search site's result page for a title. The title travels as its GBK bytes,
// percent-encoded (ASCII letters, digits and "-_.~" as they are), so that "&", "#", "+", "%"
// or a blank in a title reach the site as part of the title.
QUrl searchUrl(const QString &title);
