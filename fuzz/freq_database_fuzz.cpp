// Any bytes as a frequency database (.dat) file, loaded with FreqDatabase::Load, and
// every loaded channel's name and type drawn as the channel screens draw them.
//
// Checked: a file shorter than 2000 bytes is refused and leaves the table as
// it was; any other file loads, every name and type stays within its record,
// and drawing them reads nothing outside the font (AddressSanitizer).
#include <cstddef>
#include <cstdint>
#include <fstream>

#include "display/display_text.h"
#include "display/lcd.h"
#include "freqdb/freq_database.h"
#include "fuzz_check.h"
#include "support/temp_dir.h"

namespace {

void WriteFile(const std::string& path, const uint8_t* data, size_t size) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

void DrawChannel(Lcd& lcd, const FreqRecord& record) {
    lcd.GotoText(0, 3);
    lcd.DrawText(Center6(record.Name()));
    lcd.GotoText(0, 4);
    lcd.DrawText(Center6(record.Type()));
    lcd.GotoText(0, 1);
    lcd.DrawText(FormatFreq6(record.FreqKHz));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TempDir dir;
    const std::string path = dir.File("channels.dat");
    WriteFile(path, data, size);

    FreqDatabase db;
    db.Table[7].SetName("KEEP");
    const auto before = db.Table;
    const std::string error = db.Load(path);
    if (size < static_cast<size_t>(FreqFileSize)) {
        FuzzCheck(error == "Read beyond end of file", "a short file is refused as such");
        FuzzCheck(db.Table == before, "a refused file leaves the table as it was");
        return 0;
    }
    FuzzCheck(error.empty(), "a file of 2000 bytes or more loads");

    LcdFrame frame;
    Lcd lcd(frame);
    for (const FreqRecord& record : db.Table) {
        FuzzCheck(record.NameLength <= FreqTextCapacity && record.TypeLength <= FreqTextCapacity,
                  "names and types stay within their record");
        DrawChannel(lcd, record);
    }
    return 0;
}
