#include "download_timeout.h"

#include <utility>

namespace {

std::chrono::milliseconds &currentTimeout()
{
    static std::chrono::milliseconds timeout = std::chrono::seconds(30);
    return timeout;
}

} // namespace

std::chrono::milliseconds downloadTimeout()
{
    return currentTimeout();
}

std::chrono::milliseconds replaceDownloadTimeout(std::chrono::milliseconds timeout)
{
    return std::exchange(currentTimeout(), timeout);
}
