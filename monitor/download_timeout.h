#pragma once

#include "common/replaceable.h"

#include <chrono>

// How long a download may take before it counts as failed.
std::chrono::milliseconds downloadTimeout();

// Test seam: a stalled site would otherwise hold a test for the full half minute.
Replaceable<std::chrono::milliseconds> &downloadTimeoutSeam();
