#include "headless_chromium.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>

#include "support/process_events.h"

namespace {

constexpr int kPatienceMs = 20000;

// The port the browser wrote into its profile once it listens.
int DevToolsPort(const std::string& profile) {
    QFile file(QString::fromStdString(profile + "/DevToolsActivePort"));
    if (!file.open(QIODevice::ReadOnly)) return 0;
    return file.readLine().trimmed().toInt();
}

QJsonArray Get(const QUrl& url) {
    QNetworkAccessManager network;
    std::unique_ptr<QNetworkReply> reply(network.get(QNetworkRequest(url)));
    ProcessEventsUntil([&] { return reply->isFinished(); }, kPatienceMs);
    return QJsonDocument::fromJson(reply->readAll()).array();
}

}  // namespace

HeadlessChromium::HeadlessChromium() {
    if (!QFile::exists(Path)) return;
    process_.start(Path, {"--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                          "--disable-background-networking", "--disable-component-update", "--disable-sync",
                          "--remote-debugging-port=0", "--user-data-dir=" + QString::fromStdString(profile_.Path()),
                          "about:blank"});
    int port = 0;
    if (!ProcessEventsUntil([&] { return (port = DevToolsPort(profile_.Path())) != 0; }, kPatienceMs)) return;
    QString target;
    for (const QJsonValue& t : Get(QUrl(QString("http://127.0.0.1:%1/json/list").arg(port))))
        if (t["type"].toString() == "page") target = t["webSocketDebuggerUrl"].toString();
    if (target.isEmpty()) return;
    QObject::connect(&devtools_, &QWebSocket::textMessageReceived, [this](const QString& text) {
        const QJsonObject message = QJsonDocument::fromJson(text.toUtf8()).object();
        if (message["id"].toInt() == lastId_) reply_ = message;
    });
    devtools_.open(QUrl(target));
    ready_ = ProcessEventsUntil([&] { return devtools_.state() == QAbstractSocket::ConnectedState; }, kPatienceMs);
}

HeadlessChromium::~HeadlessChromium() {
    devtools_.close();
    process_.terminate();
    if (!process_.waitForFinished(5000)) process_.kill();
    process_.waitForFinished();
}

QJsonObject HeadlessChromium::Call(const QString& method, const QJsonObject& params) {
    reply_ = {};
    const QJsonObject call{{"id", ++lastId_}, {"method", method}, {"params", params}};
    devtools_.sendTextMessage(QJsonDocument(call).toJson(QJsonDocument::Compact));
    ProcessEventsUntil([&] { return !reply_.isEmpty(); }, kPatienceMs);
    return reply_;
}

void HeadlessChromium::Open(const QString& url) { Call("Page.navigate", {{"url", url}}); }

QJsonValue HeadlessChromium::Evaluate(const QString& expression) {
    const QJsonObject reply =
        Call("Runtime.evaluate", {{"expression", expression}, {"awaitPromise", true}, {"returnByValue", true}});
    return reply["result"]["result"]["value"];
}

bool HeadlessChromium::WaitFor(const QString& expression, const QJsonValue& expected) {
    return ProcessEventsUntil([&] { return Evaluate(expression) == expected; }, kPatienceMs);
}

QString HeadlessChromium::CanvasArt() {
    return R"((() => {
      const canvas = document.getElementById("lcd");
      if (!canvas) return "";
      const d = canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height).data;
      let art = "";
      for (let i = 0; i < d.length; i += 4) {
        const dark = d[i] === 0 && d[i + 1] === 0 && d[i + 2] === 0 && d[i + 3] === 255;
        const green = d[i] === 0 && d[i + 1] === 255 && d[i + 2] === 0 && d[i + 3] === 255;
        art += dark ? "#" : green ? "." : "?";
        if ((i / 4 + 1) % canvas.width === 0) art += "\n";
      }
      return art;
    })())";
}
