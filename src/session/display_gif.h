#pragma once
#include <cstdint>
#include <string>

#include "common/replacing_file.h"
#include "session/display_bitmap.h"

struct GifFileType;

// An animated GIF of the display, written as the displays come: two colours
// (the panel's green and dark), each display pixel a scale x scale square,
// looping for ever. Each change of the display is a frame that holds the
// rectangle around the part that changed, drawn over the frames before it,
// with the pixels inside it that did not change left transparent; it stays
// until the next change, to the hundredth of a second: the delays are whole
// hundredths of the times since the first display, so rounding never adds up
// over a long run. A change that another one follows within the same
// hundredth cannot be shown and is left out, and so is a time that runs
// backwards. The last frame stays for a second.
//
// A pause longer than one frame can last (LongestPause) is shown as that
// long, so that a damaged time costs one frame, not millions: the output
// stays within one frame per display added.
class DisplayGifWriter {
public:
    static constexpr int LastFrameHold = 100;         // hundredths of a second
    static constexpr uint64_t LongestPause = 0xFFFF;  // hundredths of a second, the most a GIF delay holds

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
    // The pauses shown shorter than they were, and when the first began, in
    // hundredths of a second since the first display.
    uint64_t ShortenedPauses() const { return shortenedPauses_; }
    uint64_t FirstShortenedPauseAt() const { return firstShortenedPauseAt_; }

private:
    static int Output(GifFileType* gif, const uint8_t* bytes, int length);
    void Begin();
    // Shows `bitmap` for `delay` hundredths, LongestPause at most.
    void Emit(const DisplayBitmap& bitmap, uint64_t delay);
    void PutFrame(const DisplayBitmap& bitmap, int delay);
    void PutPixels(const DisplayBitmap& bitmap, int left, int top, int right, int bottom);
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
    uint64_t firstSlot_ = 0;  // of the first display
    uint64_t shortenedPauses_ = 0;
    uint64_t firstShortenedPauseAt_ = 0;
};
