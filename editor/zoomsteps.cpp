#include "zoomsteps.h"

#include <cmath>

namespace {
constexpr int minimumPercent = 10;
}

int zoomInPercent(int percent)
{
    return static_cast<int>(std::ceil((percent + 1) / 100.0) * 100.0);
}

int zoomOutPercent(int percent)
{
    const int lower = static_cast<int>(std::floor((percent - 1) / 100.0) * 100.0);
    return lower > minimumPercent ? lower : minimumPercent;
}
