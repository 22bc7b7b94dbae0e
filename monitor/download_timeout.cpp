#include "monitor/download_timeout.h"

std::chrono::milliseconds downloadTimeout()
{
    return downloadTimeoutSeam().get();
}

Replaceable<std::chrono::milliseconds> &downloadTimeoutSeam()
{
    static Replaceable<std::chrono::milliseconds> seam(std::chrono::seconds(30));
    return seam;
}
