#pragma once

// A control that draws itself differently at a zoom; WindowZoom tells it the
// zoom (in percent) after giving it its geometry.
class Zoomable {
public:
    virtual ~Zoomable() = default;
    virtual void SetZoom(int percent) = 0;
};
