#include "tests/support/effects.h"

#include <QFile>

RecordedEffects::RecordedEffects()
    : m_boxes(messageBoxSeam(), [this](const QString &text) { effects << text; })
    , m_starts(launchSeam(),
               [this](const LaunchRequest &request) {
                   launches.push_back(request);
                   effects << windowsCommandLine(request);
                   if (request.intent == LaunchRequest::Intent::RemoveFile)
                       QFile::remove(request.target);
               })
    , m_end(programEndSeam(),
            [this](int exitCode) { effects << QStringLiteral("exit %1").arg(exitCode); })
{
}
