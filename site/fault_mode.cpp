#include "site/fault_mode.h"

#include <array>
#include <utility>

namespace {

const std::array<std::pair<FaultMode, const char *>, 12> kNames{{
    {FaultMode::None, "none"},
    {FaultMode::Refuse, "refuse"},
    {FaultMode::Stall, "stall"},
    {FaultMode::NotFound404, "404"},
    {FaultMode::ServerError500, "500"},
    {FaultMode::TruncatedBody, "truncated"},
    {FaultMode::EmptyBody, "empty"},
    {FaultMode::LfOnlyLines, "lf"},
    {FaultMode::ShortPage, "short"},
    {FaultMode::InvalidUtf8, "invalid-utf8"},
    {FaultMode::AsksToStay, "stay"},
    {FaultMode::Cacheable, "cacheable"},
}};

} // namespace

QString faultModeName(FaultMode mode)
{
    for (const auto &[candidate, name] : kNames) {
        if (candidate == mode)
            return QString::fromLatin1(name);
    }
    Q_UNREACHABLE();
}

std::optional<FaultMode> faultModeFromName(const QString &name)
{
    for (const auto &[mode, candidate] : kNames) {
        if (name == QLatin1String(candidate))
            return mode;
    }
    return std::nullopt;
}

QStringList faultModeNames()
{
    QStringList names;
    for (const auto &entry : kNames)
        names << QString::fromLatin1(entry.second);
    return names;
}

bool servesWholePage(FaultMode mode)
{
    return mode == FaultMode::None || mode == FaultMode::InvalidUtf8 ||
           mode == FaultMode::AsksToStay || mode == FaultMode::Cacheable;
}
