#include "gui/session/display_image.h"

#include <QBuffer>
#include <QByteArray>

#include "common/atomic_file.h"

namespace {

constexpr int kGreenIndex = 0;
constexpr int kDarkIndex = 1;

}  // namespace

QImage DisplayImage(const DisplayBitmap& bitmap, int scale) {
    QImage image(LcdWidth * scale, LcdHeight * scale, QImage::Format_Indexed8);
    image.setColorTable({0xFF000000u | LcdOffColour, 0xFF000000u | LcdOnColour});
    for (int y = 0; y < image.height(); ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x)
            line[x] = DarkAt(bitmap, x / scale, y / scale) ? kDarkIndex : kGreenIndex;
    }
    return image;
}

std::string WriteDisplayPng(const DisplayBitmap& bitmap, int scale, const std::string& path) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!DisplayImage(bitmap, scale).save(&buffer, "PNG")) return "the PNG image could not be made";
    const auto* bytes = reinterpret_cast<const uint8_t*>(png.constData());
    return WriteFileAtomically(path, {bytes, static_cast<std::size_t>(png.size())});
}
