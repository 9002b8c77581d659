#include "session/recording_export.h"

#include <array>
#include <memory>
#include <optional>
#include <ostream>
#include <string_view>
#include <unordered_map>

#include "common/file_extension.h"
#include "common/replacing_file.h"
#include "session/display_csv.h"
#include "session/display_gif.h"
#include "session/display_html.h"
#include "session/message_stream.h"
#include "session/recording_reader.h"

namespace {

// One output format: takes the messages in order, then writes its file.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void Take(const TimedMessage& message) = 0;
    // Returns an empty string or the cause of a failure in words.
    virtual std::string Finish() = 0;
    // A failure found before any message, such as a folder that does not exist.
    virtual std::string EarlyCause() const { return {}; }
    // What the output shows otherwise than the recording holds, in one
    // sentence about `recordingPath`, or an empty string.
    virtual std::string Note(const std::string& /*recordingPath*/) const { return {}; }
};

class CsvSink : public MessageSink {
public:
    explicit CsvSink(const std::string& path) : file_(path) { Write(CsvHeaderLine()); }
    void Take(const TimedMessage& m) override {
        row_.clear();
        AppendCsvRow(row_, m.micros, m.message);
        Write(row_);
    }
    std::string Finish() override { return file_.Commit(); }
    std::string EarlyCause() const override { return file_.Cause(); }

private:
    // The file buffers what it is given.
    void Write(const std::string& text) { file_.Write(text.data(), text.size()); }
    ReplacingFile file_;
    std::string row_;
};

class GifSink : public MessageSink {
public:
    GifSink(const std::string& path, int scale) : gif_(path, scale) {}
    void Take(const TimedMessage& m) override {
        renderer_.Draw(m.message);
        gif_.Add(m.micros, renderer_.Bitmap());
    }
    std::string Finish() override { return gif_.Finish(); }
    std::string EarlyCause() const override { return gif_.Cause(); }
    std::string Note(const std::string& recordingPath) const override {
        const uint64_t pauses = gif_.ShortenedPauses();
        if (pauses == 0) return {};
        const std::string longest = Seconds(DisplayGifWriter::LongestPause);
        const std::string first = Seconds(gif_.FirstShortenedPauseAt());
        if (pauses == 1)
            return recordingPath + " pauses for longer than " + longest + " s after " + first +
                   " s; the GIF shows the pause as " + longest + " s.";
        return recordingPath + " pauses " + std::to_string(pauses) + " times for longer than " + longest +
               " s, first after " + first + " s; the GIF shows each such pause as " + longest + " s.";
    }

private:
    static std::string Seconds(uint64_t hundredths) {
        std::string fraction = std::to_string(hundredths % 100);
        if (fraction.size() < 2) fraction.insert(0, 1, '0');
        return std::to_string(hundredths / 100) + "." + fraction;
    }

    DisplayBitmapRenderer renderer_;
    DisplayGifWriter gif_;
};

// Only the last message matters for the final display (see FinalDisplay).
class PngSink : public MessageSink {
public:
    PngSink(const std::string& path, int scale, DisplayPngWriter writer)
        : path_(path), scale_(scale), writer_(writer) {}
    void Take(const TimedMessage& m) override { last_ = m.message; }
    std::string Finish() override {
        if (!writer_) return "this program was built without PNG output";
        return writer_(last_ ? FinalDisplay(*last_) : DisplayBitmap{}, scale_, path_);
    }

private:
    std::string path_;
    int scale_;
    DisplayPngWriter writer_;
    std::optional<DisplayMessage> last_;
};

// A message draws the same display whatever came before it (see
// FinalDisplay), so each distinct message is drawn once; a long recording
// repeats its messages a lot. The remembered displays are forgotten now and
// then to bound the memory.
class HtmlSink : public MessageSink {
public:
    explicit HtmlSink(const std::string& path) : html_(path) {}
    void Take(const TimedMessage& m) override {
        const DisplayMessageBytes bytes = EncodeDisplayMessage(m.message);
        auto drawn = drawn_.find(bytes);
        if (drawn == drawn_.end()) {
            if (drawn_.size() >= kMaxRemembered) drawn_.clear();
            renderer_.Draw(m.message);
            drawn = drawn_.emplace(bytes, PackDisplay(renderer_.Bitmap())).first;
        }
        html_.Add(m.micros, drawn->second);
    }
    std::string Finish() override { return html_.Finish(); }
    std::string EarlyCause() const override { return html_.Cause(); }

private:
    static constexpr std::size_t kMaxRemembered = 16384;  // about 14 MB of displays
    struct BytesHash {
        std::size_t operator()(const DisplayMessageBytes& bytes) const {
            return std::hash<std::string_view>()({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
        }
    };

    DisplayBitmapRenderer renderer_;
    DisplayHtmlWriter html_;
    std::unordered_map<DisplayMessageBytes, PackedDisplay, BytesHash> drawn_;
};

enum class ExportFormat { Png, Gif, Csv, Html };

struct FormatName {
    const char* extension;
    ExportFormat format;
};

constexpr std::array<FormatName, 4> kFormats{{
    {".png", ExportFormat::Png},
    {".gif", ExportFormat::Gif},
    {".csv", ExportFormat::Csv},
    {".html", ExportFormat::Html},
}};

std::optional<ExportFormat> FormatOf(const std::string& path) {
    const std::string extension = LowerCaseExtension(path);
    for (const FormatName& name : kFormats)
        if (extension == name.extension) return name.format;
    return std::nullopt;
}

std::unique_ptr<MessageSink> SinkFor(ExportFormat format, const std::string& path, int scale,
                                     DisplayPngWriter pngWriter) {
    switch (format) {
        case ExportFormat::Png: return std::make_unique<PngSink>(path, scale, pngWriter);
        case ExportFormat::Gif: return std::make_unique<GifSink>(path, scale);
        case ExportFormat::Csv: return std::make_unique<CsvSink>(path);
        case ExportFormat::Html: return std::make_unique<HtmlSink>(path);
    }
    return nullptr;
}

// Hands every message to the sink and has it write its file.
int WriteExport(RecordingReader& reader, MessageSink& sink, const std::string& recordingPath,
                const std::string& outputPath, std::ostream& out, std::ostream& err) {
    std::string cause = sink.EarlyCause();
    uint64_t messages = 0;
    if (cause.empty()) {
        messages = ForEachMessage(reader, [&](const TimedMessage& m) { sink.Take(m); });
        if (!reader.Error().empty()) {
            err << reader.Error() << '\n';
            return ExportFailed;
        }
        cause = sink.Finish();
    }
    if (!cause.empty()) {
        err << outputPath << " cannot be written: " << cause << ".\n";
        return ExportFailed;
    }
    if (const std::string note = sink.Note(recordingPath); !note.empty()) err << note << '\n';
    if (const std::optional<uint64_t> cut = reader.CutAt())
        err << recordingPath << " was cut short at byte " << *cut << "; the " << messages
            << " display messages before that point were exported.\n";
    out << "Exported " << messages << " display messages to " << outputPath << ".\n";
    return ExportDone;
}

}  // namespace

int ExportRecording(const std::string& recordingPath, const std::string& outputPath, int scale,
                    DisplayPngWriter pngWriter, std::ostream& out, std::ostream& err) {
    const std::optional<ExportFormat> format = FormatOf(outputPath);
    if (!format) {
        err << "Cannot export to " << outputPath << ": the name must end in .png, .gif, .csv or .html.\n";
        return ExportMisused;
    }
    if (scale < 1 || scale > MaxExportScale) {
        err << "The scale must be a whole number from 1 to " << MaxExportScale << ", not " << scale << ".\n";
        return ExportMisused;
    }
    RecordingReader reader(recordingPath);
    if (!reader.Error().empty()) {
        err << reader.Error() << '\n';
        return ExportFailed;
    }
    const std::unique_ptr<MessageSink> sink = SinkFor(*format, outputPath, scale, pngWriter);
    return WriteExport(reader, *sink, recordingPath, outputPath, out, err);
}
