#pragma once

class QMenu;
class WindowZoom;

// Adds "&Zoom" to the "&Setup" menu: one checkable item per zoom, the
// current one checked; choosing one applies it at once. Zooms at which the
// window would not fit on its screen are shown disabled.
void AddZoomMenu(QMenu* setup, WindowZoom& zoom);
