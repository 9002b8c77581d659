#include "web/live_messages.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace live_message {

namespace {

QString Json(const QJsonObject& object) {
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

const char* RowOf(const LcdBits& display, int row) { return reinterpret_cast<const char*>(PackedRow(display, row)); }

}  // namespace

QByteArray Frame(const LcdBits& display) {
    QByteArray message(1, WholeFrame);
    message.append(reinterpret_cast<const char*>(display.data()), static_cast<qsizetype>(display.size()));
    return message;
}

QByteArray Change(const LcdBits& from, const LcdBits& to) {
    QByteArray message(1, Rows);
    for (int row = 0; row < LcdHeight; ++row) {
        if (std::equal(RowOf(to, row), RowOf(to, row) + PackedRowBytes, RowOf(from, row))) continue;
        message.append(static_cast<char>(row));
        message.append(RowOf(to, row), PackedRowBytes);
    }
    if (message.size() == 1) return {};
    return message.size() < 1 + static_cast<qsizetype>(to.size()) ? message : Frame(to);
}

QString Mode(const std::string& caption) { return Json({{"mode", QString::fromStdString(caption)}}); }

QString Keys(bool allowed) { return Json({{"keys", allowed}}); }

}  // namespace live_message
