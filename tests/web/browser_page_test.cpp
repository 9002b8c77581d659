// The live page and the HTML export in a real browser: what the canvas shows,
// pixel for pixel, and the keys the page holds.
#include <gtest/gtest.h>

#include <QFile>
#include <QUrl>
#include <fstream>
#include <sstream>

#include "demo_sequence.h"
#include "emulator/hardware/eeprom_settings.h"
#include "emulator/hardware/panel_inputs.h"
#include "gui/session/display_image.h"
#include "headless_chromium.h"
#include "recording_files.h"
#include "session/packed_display.h"
#include "session/recording_export.h"
#include "support/form_fixture.h"
#include "support/link_fixture.h"
#include "support/process_events.h"
#include "support/scripted_host.h"
#include "web/live_server.h"

namespace {

const QString kToken = "0123456789abcdef0123456789abcdef";

std::string Golden(const char* name) {
    std::ifstream in(std::string(VHFCOM_GOLDEN_DIR) + "/" + name + ".txt");
    std::stringstream art;
    art << in.rdbuf();
    return art.str();
}

std::string ArtOf(const DisplayBitmap& bitmap) {
    std::string art;
    for (int y = 0; y < LcdHeight; ++y) {
        for (int x = 0; x < LcdWidth; ++x) art += DarkAt(bitmap, x, y) ? '#' : '.';
        art += '\n';
    }
    return art;
}

// Draws text art into a display's frame, as the display primitives would.
void Paint(LcdFrame& frame, const std::string& art) {
    std::istringstream rows(art);
    std::string row;
    for (int y = 0; std::getline(rows, row) && y < LcdHeight; ++y)
        for (int x = 0; x < LcdWidth && x < static_cast<int>(row.size()); ++x)
            frame.Set(x, y, row[static_cast<std::size_t>(x)] == '#');
}

QJsonValue Art(const std::string& art) { return QString::fromStdString(art); }

class BrowserTest : public FormTest {
protected:
    void SetUp() override {
        if (!QFile::exists(HeadlessChromium::Path))
            GTEST_SKIP() << HeadlessChromium::Path << " is missing (scripts/install-deps installs it)";
        FormTest::SetUp();
        browser = std::make_unique<HeadlessChromium>();
        ASSERT_TRUE(browser->Ready()) << "chromium did not start";
    }
    void TearDown() override {
        browser.reset();
        FormTest::TearDown();
    }
    // Shares the window's display on a free port; the page's address.
    QString Share() {
        Open();
        form->Sharing->SetKeyToken(kToken);
        EXPECT_EQ(form->Sharing->Start(QHostAddress::LocalHost, 0), "");
        return QString("http://127.0.0.1:%1/").arg(form->Sharing->Port());
    }

    std::unique_ptr<HeadlessChromium> browser;
};

TEST_F(BrowserTest, TheCanvasShowsTheWindowsDisplayOfflineAndOnline) {
    browser->Open(Share());
    for (const char* screen : {"splash", "main_defaults"}) {
        Paint(form->Core.Frame, Golden(screen));
        EXPECT_TRUE(browser->WaitFor(HeadlessChromium::CanvasArt(), Art(Golden(screen)))) << screen;
    }
    EXPECT_EQ(browser->Evaluate("document.getElementById('mode').textContent"), "Offline - device emulation mode");

    const DisplayMessageBytes message = BuildDisplayMessage(ReceivingDisplay());
    form->Core.Link.Feed(message.data(), static_cast<int32_t>(message.size()));
    const std::string online = ArtOf(BitmapOfFrame(form->Core.Frame));
    EXPECT_TRUE(browser->WaitFor(HeadlessChromium::CanvasArt(), Art(online)));
    EXPECT_TRUE(browser->WaitFor("document.getElementById('mode').textContent", "Online - device interface mode"));
}

// The display of a firmware run on a scripted clock; every key is ACTIVE,
// the one key this test holds.
struct ScriptedLiveView : LiveDisplaySource, LiveKeySink {
    ScriptedLiveView(const LcdFrame& frame, PanelInputsRecord& inputs) : frame(frame), inputs(inputs) {}
    LcdBits Frame() const override { return PackDisplay(BitmapOfFrame(frame)); }
    uint64_t Revision() const override { return frame.Revision(); }
    std::string ModeCaption() const override { return "Offline - device emulation mode"; }
    void PressKey(PanelKey) override { PressPanelKey(inputs, KeyBitActive); }
    void ReleaseKey(PanelKey) override { ReleasePanelKey(inputs, KeyBitActive); }

    const LcdFrame& frame;
    PanelInputsRecord& inputs;
};

// A tap on the page's ACTIVE key flips the emulated unit's frequencies, as
// the window's key does, only with the token: without it the page shows no
// keys and a key message it forges is ignored.
TEST_F(BrowserTest, ATapOnThePagesActiveKeyFlipsTheFrequenciesOnlyWithTheToken) {
    const QString keysShown = "!document.getElementById('keys').hidden";
    const QString active = "document.querySelector('[data-key=ACTIVE]')";
    for (const bool withToken : {false, true}) {
        SCOPED_TRACE(withToken);
        ScriptedHost host;
        ScriptedLiveView view(host.Frame(), host.fw.Inputs);
        LiveServer server(view, view, RequestGuard({"127.0.0.1"}));
        server.SetKeyToken(kToken);
        ASSERT_EQ(server.Start(QHostAddress::LocalHost, 0), "");
        const QString page = QString("http://127.0.0.1:%1/?%2").arg(server.Port()).arg(withToken);
        host.At(150, [&] {
            browser->Open(page + (withToken ? "#key=" + kToken : ""));
            EXPECT_TRUE(browser->WaitFor("document.getElementById('state').textContent", "Connected"));
            EXPECT_TRUE(browser->WaitFor(keysShown, withToken));  // the server's answer to the token may come later
        });
        host.At(200, [&] {
            if (withToken) {
                ASSERT_TRUE(browser->WaitFor(keysShown, true));
                browser->Evaluate(active + ".dispatchEvent(new PointerEvent('pointerdown')); 1");
                EXPECT_TRUE(ProcessEventsUntil([&] { return host.fw.Inputs.KeyDown == KeyBitActive; }));
            } else {
                browser->Evaluate("send({key: 'ACTIVE', down: true, token: 'forged'}); send({token: '" + kToken +
                                  "'}); 1");
                EXPECT_TRUE(browser->WaitFor(keysShown, true)) << "the server answered the later message";
                EXPECT_EQ(host.fw.Inputs.KeyDown, 0);
            }
        });
        host.At(203, [&] {
            browser->Evaluate(active + ".dispatchEvent(new PointerEvent('pointerup')); 1");
            EXPECT_TRUE(ProcessEventsUntil([&] { return host.fw.Inputs.KeyDown == 0; }));
        });
        host.RunUntilTick(230);
        EXPECT_EQ(host.fw.Settings.ActiveFreq, withToken ? 126000 : 123450);
    }
}

// A recording of demo messages 46 ms apart, exported both ways.
TEST_F(BrowserTest, TheHtmlExportShowsThePngExportsPictureAndEachMoment) {
    constexpr int kMessages = 60;
    std::vector<Batch> batches;
    for (int i = 0; i < kMessages; ++i) {
        const DisplayMessageBytes m = BuildDisplayMessage(DemoDisplay(static_cast<uint32_t>(i * 7)));
        batches.push_back({static_cast<uint64_t>(i + 1) * 46000, {m.begin(), m.end()}});
    }
    dir.Write("r.vhfrec", RecordingFileBytes(batches));
    std::ostringstream out, err;
    for (const char* output : {"r.html", "r.png"})
        ASSERT_EQ(ExportRecording(dir.File("r.vhfrec"), dir.File(output), 1, WriteDisplayPng, out, err), 0)
            << err.str();
    const QImage png(QString::fromStdString(dir.File("r.png")));
    DisplayBitmap lastPicture{};
    for (int y = 0; y < LcdHeight; ++y)
        for (int x = 0; x < LcdWidth; ++x)
            lastPicture[BitmapIndex(x, y)] = (png.pixel(x, y) & 0xFFFFFFu) == LcdOnColour;

    const QString file = QUrl::fromLocalFile(QString::fromStdString(dir.File("r.html"))).toString();
    browser->Open(file + "#t=3600");
    EXPECT_TRUE(browser->WaitFor(HeadlessChromium::CanvasArt(), Art(ArtOf(lastPicture)))) << "past the end";

    constexpr int kMoment = 20;  // the display between message 20 and 21
    browser->Open(file + "?at#t=" + QString::number((kMoment + 1) * 0.046 + 0.02));
    EXPECT_TRUE(browser->WaitFor(HeadlessChromium::CanvasArt(),
                                 Art(ArtOf(FinalDisplay(SimulatedMessage(DemoDisplay(kMoment * 7)))))));

    browser->Evaluate("document.getElementById('speed').value = '8'; document.getElementById('play').click(); 1");
    EXPECT_TRUE(browser->WaitFor("document.getElementById('play').textContent", "Play")) << "played to the end";
    EXPECT_EQ(browser->Evaluate(HeadlessChromium::CanvasArt()), Art(ArtOf(lastPicture)));
}

}  // namespace
