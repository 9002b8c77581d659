#pragma once
#include <QImage>
#include <string>

#include "session/display_bitmap.h"

// The display as a Qt image, for PNG files and the clipboard, in the panel's
// own dark and green. Needs Qt GUI only: no display, no application object.

// Each display pixel a scale x scale square.
QImage DisplayImage(const DisplayBitmap& bitmap, int scale);

// Writes DisplayImage(bitmap, scale) as a PNG file, replacing `path`
// atomically. Returns an empty string or the cause in words. This is the
// writer the program hands to its exports; it uses no GUI resource, so an
// export may call it on a worker thread.
std::string WriteDisplayPng(const DisplayBitmap& bitmap, int scale, const std::string& path);
