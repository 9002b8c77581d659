#include "session/display_gif.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <vector>

namespace {

constexpr uint64_t kMicrosPerHundredth = 10000;
constexpr GifPixelType kGreenIndex = 0;
constexpr GifPixelType kDarkIndex = 1;
// A pixel the frame leaves as the frames before it drew it. The palette
// holds four colours, as a GIF palette's size is a power of two.
constexpr GifPixelType kUnchangedIndex = 2;
constexpr int kPaletteSize = 4;

GifColorType Colour(uint32_t rgb) {
    return {static_cast<GifByteType>(rgb >> 16), static_cast<GifByteType>(rgb >> 8), static_cast<GifByteType>(rgb)};
}

// The part of the display where two bitmaps differ, in display pixels; one
// pixel when they are equal, so that a frame can still carry a delay.
struct Area {
    int left = LcdWidth, top = LcdHeight, right = 0, bottom = 0;  // right and bottom exclusive
};

Area ChangedArea(const DisplayBitmap& before, const DisplayBitmap& after) {
    Area area;
    for (int y = 0; y < LcdHeight; ++y) {
        for (int x = 0; x < LcdWidth; ++x) {
            if (DarkAt(before, x, y) == DarkAt(after, x, y)) continue;
            area = {std::min(area.left, x), std::min(area.top, y), std::max(area.right, x + 1),
                    std::max(area.bottom, y + 1)};
        }
    }
    if (area.right == 0) return {0, 0, 1, 1};
    return area;
}

}  // namespace

DisplayGifWriter::DisplayGifWriter(const std::string& path, int scale) : out_(path), scale_(scale) {
    cause_ = out_.Cause();
    if (cause_.empty()) Begin();
}

DisplayGifWriter::~DisplayGifWriter() {
    if (gif_) EGifCloseFile(gif_, nullptr);
}

int DisplayGifWriter::Output(GifFileType* gif, const uint8_t* bytes, int length) {
    ReplacingFile& out = static_cast<DisplayGifWriter*>(gif->UserData)->out_;
    out.Write(bytes, static_cast<std::size_t>(length));
    return out.Cause().empty() ? length : 0;
}

void DisplayGifWriter::Begin() {
    int error = 0;
    gif_ = EGifOpen(this, Output, &error);
    if (!gif_) {
        cause_ = GifErrorString(error);
        return;
    }
    EGifSetGifVersion(gif_, true);
    std::array<GifColorType, kPaletteSize> colours{};
    colours.fill(Colour(LcdOffColour));
    colours[kDarkIndex] = Colour(LcdOnColour);
    ColorMapObject* palette = GifMakeMapObject(static_cast<int>(colours.size()), colours.data());
    Check(EGifPutScreenDesc(gif_, LcdWidth * scale_, LcdHeight * scale_, 1, kGreenIndex, palette));
    GifFreeMapObject(palette);
    // The application extension that makes viewers loop for ever.
    static const GifByteType kLoopName[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    static const GifByteType kLoopForever[] = {1, 0, 0};
    Check(EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE));
    Check(EGifPutExtensionBlock(gif_, sizeof kLoopName, kLoopName));
    Check(EGifPutExtensionBlock(gif_, sizeof kLoopForever, kLoopForever));
    Check(EGifPutExtensionTrailer(gif_));
}

void DisplayGifWriter::Add(uint64_t micros, const DisplayBitmap& bitmap) {
    if (anyPending_ && bitmap == pending_) return;
    const uint64_t slot = micros / kMicrosPerHundredth;
    if (anyPending_ && slot > pendingSlot_) {
        Emit(pending_, slot - pendingSlot_);
        pendingSlot_ = slot;
    }
    if (!anyPending_) pendingSlot_ = firstSlot_ = slot;
    pending_ = bitmap;
    anyPending_ = true;
}

std::string DisplayGifWriter::Finish() {
    if (!gif_) return cause_;
    Emit(pending_, LastFrameHold);
    int error = 0;
    if (EGifCloseFile(gif_, &error) == GIF_ERROR && cause_.empty())
        cause_ = out_.Cause().empty() ? GifErrorString(error) : out_.Cause();
    gif_ = nullptr;
    if (cause_.empty()) cause_ = out_.Commit();
    return cause_;
}

void DisplayGifWriter::Emit(const DisplayBitmap& bitmap, uint64_t delay) {
    if (delay > LongestPause) {
        if (shortenedPauses_++ == 0) firstShortenedPauseAt_ = pendingSlot_ - firstSlot_;
        delay = LongestPause;
    }
    PutFrame(bitmap, static_cast<int>(delay));
}

void DisplayGifWriter::PutFrame(const DisplayBitmap& bitmap, int delay) {
    if (!cause_.empty()) return;
    const Area area = anyShown_ ? ChangedArea(shown_, bitmap) : Area{0, 0, LcdWidth, LcdHeight};
    GraphicsControlBlock control{DISPOSE_DO_NOT, false, delay, anyShown_ ? kUnchangedIndex : NO_TRANSPARENT_COLOR};
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    Check(EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, sizeof extension, extension));
    Check(EGifPutImageDesc(gif_, area.left * scale_, area.top * scale_, (area.right - area.left) * scale_,
                           (area.bottom - area.top) * scale_, false, nullptr));
    PutPixels(bitmap, area.left, area.top, area.right, area.bottom);
    shown_ = bitmap;
    anyShown_ = true;
}

// The rectangle's pixels, each display pixel a scale x scale square. One the
// frames so far show already is transparent, unless it continues a run of
// its own colour on its row: either shows the same, and the longer runs take
// fewer codes.
void DisplayGifWriter::PutPixels(const DisplayBitmap& bitmap, int left, int top, int right, int bottom) {
    const int width = (right - left) * scale_;
    std::vector<GifPixelType> line(static_cast<std::size_t>(width));
    for (int y = top; y < bottom && cause_.empty(); ++y) {
        GifPixelType previous = kUnchangedIndex;
        for (int x = left; x < right; ++x) {
            const GifPixelType colour = DarkAt(bitmap, x, y) ? kDarkIndex : kGreenIndex;
            const bool unchanged = anyShown_ && DarkAt(bitmap, x, y) == DarkAt(shown_, x, y);
            const GifPixelType index = unchanged && previous != colour ? kUnchangedIndex : colour;
            previous = index;
            std::fill_n(line.begin() + static_cast<std::ptrdiff_t>(x - left) * scale_, scale_, index);
        }
        for (int repeat = 0; repeat < scale_; ++repeat) Check(EGifPutLine(gif_, line.data(), width));
    }
}

void DisplayGifWriter::Check(int result) {
    if (result != GIF_ERROR || !cause_.empty()) return;
    cause_ = out_.Cause().empty() ? GifErrorString(gif_->Error) : out_.Cause();
}
