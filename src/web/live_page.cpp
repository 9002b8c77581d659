#include "web/live_page.h"

#include <QCryptographicHash>
#include <string>
#include <string_view>

#include "session/page_assets.h"
#include "session/page_text.h"

extern const std::string_view kLivePageHtml;
extern const std::string_view kLiveScript;

namespace {

QByteArray HashSource(const std::string& text) {
    const QByteArray digest =
        QCryptographicHash::hash(QByteArray::fromStdString(text), QCryptographicHash::Sha256).toBase64();
    return "'sha256-" + digest + "'";
}

LivePage MakePage() {
    const std::string script = std::string(kLcdScript) + std::string(kLiveScript);
    const std::string style(kPageStyle);
    return {QByteArray::fromStdString(FillPage(kLivePageHtml, {{"@STYLE@", style}, {"@SCRIPT@", script}})),
            HashSource(script), HashSource(style)};
}

}  // namespace

const LivePage& TheLivePage() {
    static const LivePage page = MakePage();
    return page;
}

QByteArray PagePolicy(const QByteArray& host) {
    const LivePage& page = TheLivePage();
    return "default-src 'none'; script-src " + page.scriptHash + "; style-src " + page.styleHash +
           "; connect-src ws://" + host + "; base-uri 'none'; form-action 'none'; frame-ancestors 'none'";
}
