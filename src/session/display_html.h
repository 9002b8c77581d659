#pragma once
#include <cstdint>
#include <string>
#include <unordered_map>

#include "common/replacing_file.h"
#include "session/packed_display.h"

// A recording's display as one self-contained web page: the player of
// assets/page/recording.* with the recording's changes embedded, opened
// from the file with no server and no network. Each change of the display
// is kept with its time in whole milliseconds and the bands (eight pixel
// rows, one text row) that changed; every distinct band is stored once and
// the changes name it by its index (recording.js describes the encoding). A
// message that changes nothing is left out; the recording's length still
// runs to its last message.
class DisplayHtmlWriter {
public:
    static constexpr int BandRows = 8;
    static constexpr int Bands = LcdHeight / BandRows;
    static constexpr std::size_t BandBytes = PackedRowBytes * BandRows;

    // Starts the file under a temporary name beside `path`.
    explicit DisplayHtmlWriter(const std::string& path) : out_(path) {}

    // The display as it stands `micros` after the recording started.
    void Add(uint64_t micros, const PackedDisplay& display);
    // Writes the page and renames it over `path`. Returns an empty string or
    // the cause of the first failure, in words.
    std::string Finish();
    const std::string& Cause() const { return out_.Cause(); }

private:
    void AddNumber(uint64_t value);
    uint64_t BandIndex(const uint8_t* band);

    ReplacingFile out_;
    PackedDisplay shown_{};
    bool anyAdded_ = false;
    uint64_t lastMillis_ = 0;        // of the last message
    uint64_t lastChangeMillis_ = 0;  // of the last change kept
    std::string bands_;              // the distinct bands, back to back
    std::unordered_map<std::string, uint64_t> bandIndex_;
    std::string changes_;
};
