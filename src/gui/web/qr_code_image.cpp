#include "gui/web/qr_code_image.h"

#include <qrencode.h>

#include <memory>

namespace {

constexpr int kQuietModules = 4;

struct QrFree {
    void operator()(QRcode* code) const { QRcode_free(code); }
};

}  // namespace

QImage QrCodeImage(const QString& text, int scale) {
    const std::unique_ptr<QRcode, QrFree> code(
        QRcode_encodeString(text.toUtf8().constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1));
    if (!code) return {};
    const int modules = code->width + 2 * kQuietModules;
    QImage image(modules * scale, modules * scale, QImage::Format_Mono);
    image.setColorTable({0xFFFFFFFFu, 0xFF000000u});
    image.fill(0);
    for (int y = 0; y < code->width; ++y)
        for (int x = 0; x < code->width; ++x) {
            if ((code->data[y * code->width + x] & 1) == 0) continue;
            for (int dy = 0; dy < scale; ++dy)
                for (int dx = 0; dx < scale; ++dx)
                    image.setPixel((x + kQuietModules) * scale + dx, (y + kQuietModules) * scale + dy, 1);
        }
    return image;
}
