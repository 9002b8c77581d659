#pragma once
#include <cstdint>
#include <string>

#include "common/replacing_file.h"
#include "session/display_bitmap.h"

struct GifFileType;

// An animated GIF of the display, written as the displays come: two colours
// (the panel's green and dark), each display pixel a scale x scale square,
// looping for ever. Each change of the display is a frame that holds the
// part that changed, drawn over the frames before it; it stays until the
// next change, to the hundredth of a second: the delays are whole hundredths
// of the times since the first display, so rounding never adds up over a long
// run. A change that another one follows within the same hundredth cannot be
// shown and is left out. The last frame stays for a second.
class DisplayGifWriter {
public:
    static constexpr int LastFrameHold = 100;  // hundredths of a second

    // Starts the file under a temporary name beside `path`.
    DisplayGifWriter(const std::string& path, int scale);
    ~DisplayGifWriter();
    DisplayGifWriter(const DisplayGifWriter&) = delete;
    DisplayGifWriter& operator=(const DisplayGifWriter&) = delete;

    // The display as it stands `micros` after the recording started.
    void Add(uint64_t micros, const DisplayBitmap& bitmap);
    // Writes the last frame (a cleared display when nothing was added), ends
    // the file and renames it over `path`. Returns an empty string or the
    // cause of the first failure, in words.
    std::string Finish();
    // The cause of the first failure so far, or an empty string.
    const std::string& Cause() const { return cause_; }

private:
    static int Output(GifFileType* gif, const uint8_t* bytes, int length);
    void Begin();
    // Shows `bitmap` for `delay` hundredths, in frames of at most 65535.
    void Emit(const DisplayBitmap& bitmap, uint64_t delay);
    void PutFrame(const DisplayBitmap& bitmap, int delay);
    void Check(int result);

    ReplacingFile out_;
    int scale_;
    GifFileType* gif_ = nullptr;
    std::string cause_;
    DisplayBitmap shown_{};  // what the frames written so far show
    bool anyShown_ = false;
    DisplayBitmap pending_{};   // the newest display, not yet written
    uint64_t pendingSlot_ = 0;  // the hundredth of a second it appeared in
    bool anyPending_ = false;
};
