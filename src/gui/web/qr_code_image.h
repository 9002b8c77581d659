#pragma once
#include <QImage>
#include <QString>

// `text` as a QR code (error correction level M), each module a scale x
// scale square, black on white with the usual quiet zone of four modules.
// A null image when the text does not fit a QR code.
QImage QrCodeImage(const QString& text, int scale);
