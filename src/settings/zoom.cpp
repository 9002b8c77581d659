#include "settings/zoom.h"

#include <algorithm>

int ZoomOrDefault(int32_t percent) {
    return std::ranges::find(ZoomPercents, percent) != ZoomPercents.end() ? percent : DefaultZoom;
}

int Zoomed(int coordinate, int percent) { return (coordinate * percent + 99) / 100; }

int Unzoomed(int screenCoordinate, int percent) { return screenCoordinate * 100 / percent; }
