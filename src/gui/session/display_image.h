#pragma once
#include <QImage>
#include <string>

#include "session/display_bitmap.h"

// The display as a Qt image, for PNG files and the clipboard, in the panel's
// own dark and green. Needs Qt GUI only: no display, no application object.

// Each display pixel a scale x scale square.
QImage DisplayImage(const DisplayBitmap& bitmap, int scale);

// The display as the panel picture (388 x 390) shows it now: the 2 x 2 block
// of each display pixel, dark when its first picture pixel is the dark colour.
DisplayBitmap DisplayBitmapOfPicture(const QImage& panelPicture);

// Writes DisplayImage(bitmap, scale) as a PNG file, replacing `path`
// atomically. Returns an empty string or the cause in words. This is the
// writer the program hands to SetDisplayPngWriter.
std::string WriteDisplayPng(const DisplayBitmap& bitmap, int scale, const std::string& path);
