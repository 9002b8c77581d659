#include <gif_lib.h>
#include <gtest/gtest.h>

#include <QImage>
#include <sstream>

#include "display/display_message_drawing.h"
#include "display/lcd.h"
#include "display_message_builder.h"
#include "gui/session/display_image.h"
#include "message/frame_receiver.h"
#include "recording_files.h"
#include "session/recording_export.h"
#include "support/scratch_display.h"
#include "support/temp_dir.h"

namespace {

std::vector<uint8_t> MessageBytes(const SimulatedDisplay& d) {
    const DisplayMessageBytes m = BuildDisplayMessage(d);
    return {m.begin(), m.end()};
}

std::vector<uint8_t> Join(std::initializer_list<std::vector<uint8_t>> parts) {
    std::vector<uint8_t> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

std::vector<uint8_t> Part(const std::vector<uint8_t>& bytes, std::size_t from, std::size_t to) {
    return {bytes.begin() + static_cast<std::ptrdiff_t>(from), bytes.begin() + static_cast<std::ptrdiff_t>(to)};
}

const SimulatedDisplay kReceiving{.volumeBar = 20,
                                  .squelchBar = 3,
                                  .activeFreq = 118025,
                                  .standbyFreq = 121500,
                                  .standbyChannel = 7,
                                  .rxLevel = 30,
                                  .txLevel = 60,
                                  .activeName = "TOWER",
                                  .activeType = "TWR",
                                  .standbyName = "GUARD",
                                  .standbyType = "EMERG"};
const SimulatedDisplay kTransmittingOnAChannel{.adjustMode = 4,
                                               .transmitting = true,
                                               .volumeBar = 20,
                                               .squelchBar = 3,
                                               .activeFreq = 136975,
                                               .standbyFreq = 121500,
                                               .activeChannel = 12,
                                               .standbyChannel = 7,
                                               .rxLevel = 30,
                                               .txLevel = 64,
                                               .activeName = "A,\"B\\\x8A",
                                               .activeType = "\x01",
                                               .standbyName = "GUARD",
                                               .standbyType = "EMERG"};
const SimulatedDisplay kWithoutModeLine{.adjustMode = 6,
                                        .volumeBar = 20,
                                        .squelchBar = 3,
                                        .activeFreq = -5,
                                        .standbyFreq = 121500,
                                        .standbyChannel = 7,
                                        .rxLevel = 255,
                                        .txLevel = 60,
                                        .activeName = "TOWER",
                                        .activeType = "TWR",
                                        .standbyName = "GUARD",
                                        .standbyType = "EMER\x7F"};

// Three messages among noise and a broken header, split over four reads.
const std::vector<uint8_t> kA = MessageBytes(kReceiving);
const std::vector<uint8_t> kB = MessageBytes(kTransmittingOnAChannel);
const std::vector<uint8_t> kC = MessageBytes(kWithoutModeLine);
const std::vector<Batch> kSession = {
    {1000, Join({{0xFF, 0x02, 0x07}, Part(kA, 0, 20)})},
    {45800, Join({Part(kA, 20, 44), Part(kB, 0, 5)})},
    {91500, Part(kB, 5, 44)},
    {1234567, Join({kC, {0x02, 0x05, 0x00}})},
};
// Messages completed by the end of each batch.
constexpr int kMessagesAfter[] = {0, 1, 2, 3};

const char kHeader[] =
    "time_s,mode,tx,active_khz,standby_khz,active_channel,standby_channel,active_name,active_type,standby_name,"
    "standby_type,volume,squelch,rx_level,tx_level\r\n";
const char* const kRows[] = {
    "0.046,Vol,0,118025,121500,0,7,TOWER ,TWR   ,GUARD ,EMERG ,20,3,30,60\r\n",
    "0.092,Channel,1,136975,121500,12,7,\"A,\"\"B\\\\x8A\",\\x01     ,GUARD ,EMERG ,20,3,30,64\r\n",
    "1.235,none,0,-5,121500,0,7,TOWER ,TWR   ,GUARD ,EMER\\x7F ,20,3,255,60\r\n",
};

class ExportTest : public ::testing::Test {
protected:
    int Export(const std::string& recording, const std::string& output, int scale = DefaultExportScale) {
        out.str("");
        err.str("");
        return ExportRecording(dir.File(recording), dir.File(output), scale, WriteDisplayPng, out, err);
    }

    TempDir dir;
    std::ostringstream out, err;
};

TEST_F(ExportTest, CsvHasOneRowPerMessageWithItsFields) {
    dir.Write("s.vhfrec", RecordingFileBytes(kSession));
    ASSERT_EQ(Export("s.vhfrec", "s.CSV"), 0) << err.str();
    EXPECT_EQ(dir.Read("s.CSV"), std::string(kHeader) + kRows[0] + kRows[1] + kRows[2]);
    EXPECT_EQ(out.str(), "Exported 3 display messages to " + dir.File("s.CSV") + ".\n");
    EXPECT_EQ(err.str(), "");
}

// A crash can cut the file anywhere: every prefix exports what its whole
// records hold and names the offset of the record it ends inside.
TEST_F(ExportTest, ARecordingCutAtEveryByteExportsWhatItHoldsAndSaysWhere) {
    const std::string file = RecordingFileBytes(kSession);
    std::vector<std::size_t> ends = {recording_format::HeaderSize};
    for (const Batch& b : kSession) ends.push_back(ends.back() + recording_format::RecordHeaderSize + b.bytes.size());
    for (std::size_t size = 0; size <= file.size(); ++size) {
        SCOPED_TRACE(size);
        dir.Write("cut.vhfrec", file.substr(0, size));
        std::size_t whole = 0;
        while (whole + 1 < ends.size() && ends[whole + 1] <= size) ++whole;
        const bool cut = size != ends[whole];
        const std::size_t cutAt = size < ends[0] ? 0 : ends[whole];
        for (const char* output : {"cut.gif", "cut.png", "cut.csv", "cut.html"}) {
            ASSERT_EQ(Export("cut.vhfrec", output), 0) << err.str();
            EXPECT_EQ(err.str().find("was cut short at byte " + std::to_string(cutAt) + ";") != std::string::npos, cut)
                << err.str();
        }
        std::string expected = kHeader;
        for (int m = 0; m < (whole == 0 ? 0 : kMessagesAfter[whole - 1]); ++m) expected += kRows[m];
        EXPECT_EQ(dir.Read("cut.csv"), expected);
    }
}

// One page that needs nothing from outside, running to the last message;
// what it shows is checked in a browser (tests/web).
TEST_F(ExportTest, HtmlIsOneSelfContainedPageRunningToTheLastMessage) {
    dir.Write("s.vhfrec", RecordingFileBytes(kSession));
    ASSERT_EQ(Export("s.vhfrec", "s.html"), 0) << err.str();
    const std::string page = dir.Read("s.html");
    EXPECT_NE(page.find("<canvas id=\"lcd\" width=\"104\" height=\"64\">"), std::string::npos);
    EXPECT_NE(page.find("const RECORDING = {duration: 1234, bands: \""), std::string::npos);
    for (const char* absent : {"@SCRIPT@", "@STYLE@", "src=", "href=", "http:", "https:", "</script><script"})
        EXPECT_EQ(page.find(absent), std::string::npos) << absent;
}

TEST_F(ExportTest, RefusalsLeaveNoOutput) {
    dir.Write("s.vhfrec", RecordingFileBytes(kSession));
    dir.Write("text.vhfrec", "not a recording");
    const struct {
        const char* recording;
        const char* output;
        int scale;
        int status;
        std::string message;
    } rows[] = {
        {"s.vhfrec", "s.bmp", 4, 2,
         "Cannot export to " + dir.File("s.bmp") + ": the name must end in .png, .gif, .csv or .html.\n"},
        {"s.vhfrec", "s.png", 0, 2, "The scale must be a whole number from 1 to 64, not 0.\n"},
        {"s.vhfrec", "s.gif", 65, 2, "The scale must be a whole number from 1 to 64, not 65.\n"},
        {"text.vhfrec", "s.csv", 4, 1, dir.File("text.vhfrec") + " is not a recording: it does not start as one.\n"},
        {"s.vhfrec", "no/s.gif", 4, 1, dir.File("no/s.gif") + " cannot be written: File not found.\n"},
        {"s.vhfrec", "no/s.png", 4, 1, dir.File("no/s.png") + " cannot be written: File not found.\n"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Export(row.recording, row.output, row.scale), row.status);
        EXPECT_EQ(err.str(), row.message);
        EXPECT_EQ(out.str(), "");
    }
    EXPECT_EQ(dir.EntryCount(), 2);
}

// The PNG shows the display exactly as the panel's frame holds it after the
// same bytes went through the program's receiver and renderer.
TEST_F(ExportTest, PngShowsTheDisplayOfTheFrameAfterTheSameBytes) {
    dir.Write("s.vhfrec", RecordingFileBytes(kSession));
    ASSERT_EQ(Export("s.vhfrec", "s.png", 3), 0) << err.str();

    ScratchDisplay display;
    FrameReceiver receiver;
    DisplayMessageDrawing drawing;
    for (const Batch& b : kSession)
        for (const uint8_t byte : b.bytes)
            if (receiver.Feed(byte)) DrawDisplayMessage(display.lcd, drawing, receiver.Message());
    const QImage png(QString::fromStdString(dir.File("s.png")));
    ASSERT_EQ(png.size(), QSize(3 * LcdWidth, 3 * LcdHeight));
    int mismatches = 0;
    for (int y = 0; y < png.height(); ++y)
        for (int x = 0; x < png.width(); ++x)
            mismatches +=
                (png.pixel(x, y) & 0xFFFFFFu) != (display.frame.On(x / 3, y / 3) ? LcdOnColour : LcdOffColour);
    EXPECT_EQ(mismatches, 0);
}

// Frames of the decoded GIF drawn over each other, with their delays.
struct Animation {
    std::vector<std::vector<uint8_t>> canvases;  // colour indices after each frame
    std::vector<int> delays;
    std::vector<uint32_t> palette;
    int width = 0, height = 0;
};

Animation Decode(const std::string& path) {
    int error = 0;
    GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
    Animation a;
    if (!gif || DGifSlurp(gif) != GIF_OK) return a;
    a.width = gif->SWidth;
    a.height = gif->SHeight;
    for (int i = 0; gif->SColorMap && i < gif->SColorMap->ColorCount; ++i) {
        const GifColorType& c = gif->SColorMap->Colors[i];
        a.palette.push_back(static_cast<uint32_t>(c.Red << 16 | c.Green << 8 | c.Blue));
    }
    std::vector<uint8_t> canvas(static_cast<std::size_t>(a.width * a.height));
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& image = gif->SavedImages[i];
        const GifImageDesc& d = image.ImageDesc;
        GraphicsControlBlock control{};
        DGifSavedExtensionToGCB(gif, i, &control);
        EXPECT_EQ(control.DisposalMode, DISPOSE_DO_NOT);
        for (int y = 0; y < d.Height; ++y) {
            for (int x = 0; x < d.Width; ++x) {
                const uint8_t index = image.RasterBits[y * d.Width + x];
                if (index != control.TransparentColor)
                    canvas[static_cast<std::size_t>((d.Top + y) * a.width + d.Left + x)] = index;
            }
        }
        a.canvases.push_back(canvas);
        a.delays.push_back(control.DelayTime);
    }
    DGifCloseFile(gif, &error);
    return a;
}

std::vector<uint8_t> Scaled(const DisplayBitmap& bitmap, int scale) {
    std::vector<uint8_t> pixels;
    for (int y = 0; y < LcdHeight * scale; ++y)
        for (int x = 0; x < LcdWidth * scale; ++x) pixels.push_back(DarkAt(bitmap, x / scale, y / scale));
    return pixels;
}

// A repeated display adds no frame; a change that another follows within the
// same hundredth of a second is left out; delays are whole hundredths since
// the first display. Frames after the first leave what they do not change
// transparent, over what was drawn before.
TEST_F(ExportTest, GifHasAFrameForEachChangeTimedToTheHundredthAndLoops) {
    const std::vector<Batch> batches = {
        {0, kA}, {46000, kA}, {92000, kB}, {95000, kC}, {200000, kA}, {1200000, kB},
    };
    dir.Write("s.vhfrec", RecordingFileBytes(batches));
    ASSERT_EQ(Export("s.vhfrec", "s.gif", 2), 0) << err.str();
    EXPECT_EQ(err.str(), "");
    const Animation a = Decode(dir.File("s.gif"));
    EXPECT_EQ(a.width, 2 * LcdWidth);
    EXPECT_EQ(a.height, 2 * LcdHeight);
    EXPECT_EQ(a.delays, (std::vector<int>{9, 11, 100, 100}));

    EXPECT_EQ(std::vector<uint32_t>(a.palette.begin(), a.palette.begin() + 2),
              (std::vector<uint32_t>{LcdOffColour, LcdOnColour}));

    std::vector<DisplayBitmap> displays;  // after each message
    DisplayBitmapRenderer renderer;
    for (const Batch& b : batches) {
        const std::span<const uint8_t, DisplayFrameSize> payload(b.bytes.data() + DisplayMessageHeaderSize,
                                                                 DisplayFrameSize);
        renderer.Draw(DecodeDisplayPayload(payload));
        displays.push_back(renderer.Bitmap());
    }
    ASSERT_EQ(a.canvases.size(), 4u);
    const int shownAfter[] = {0, 3, 4, 5};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(a.canvases[i], Scaled(displays[shownAfter[i]], 2)) << "frame " << i;

    const std::string file = dir.Read("s.gif");
    EXPECT_NE(file.find(std::string("NETSCAPE2.0\x03\x01\x00\x00", 15)), std::string::npos);
}

// Damaged times: a pause longer than a frame can last is one frame of the
// longest delay, named once; a time that runs backwards is no pause. The
// export ends at once with no more frames than messages.
TEST_F(ExportTest, DamagedTimesCostOneFrameAndOneNote) {
    constexpr uint64_t kFarFuture = 360000000000000000;
    dir.Write("d.vhfrec", RecordingFileBytes({{0, kA}, {kFarFuture, kB}, {50000, kC}, {kFarFuture + 1000000, kA}}));
    ASSERT_EQ(Export("d.vhfrec", "d.gif", 1), 0) << err.str();
    EXPECT_EQ(Decode(dir.File("d.gif")).delays, (std::vector<int>{65535, 100, 100}));
    EXPECT_EQ(err.str(), dir.File("d.vhfrec") +
                             " pauses for longer than 655.35 s after 0.00 s; the GIF shows the pause as 655.35 s.\n");
    dir.Write("d2.vhfrec", RecordingFileBytes({{0, kA}, {7000000000, kB}, {14000000000, kC}}));
    ASSERT_EQ(Export("d2.vhfrec", "d2.gif", 1), 0) << err.str();
    EXPECT_EQ(err.str(), dir.File("d2.vhfrec") +
                             " pauses 2 times for longer than 655.35 s, first after 0.00 s; the GIF shows each such "
                             "pause as 655.35 s.\n");
}

}  // namespace
