#include <gtest/gtest.h>

#include "serial/line_settings.h"

namespace {

// What a terminal device typically reports before anyone configured it:
// line editing, echo, CR/NL mapping and XON/XOFF on, hardware handshake on.
termios TerminalDefaults() {
    termios t{};
    t.c_iflag = ICRNL | IXON | IXANY | ISTRIP;
    t.c_oflag = OPOST | ONLCR;
    t.c_lflag = ICANON | ECHO | ISIG | IEXTEN;
    t.c_cflag = CS7 | PARENB | CSTOPB | CRTSCTS;
    cfsetospeed(&t, B38400);
    cfsetispeed(&t, B38400);
    return t;
}

struct Mapped {
    termios t;
    LineMapping result;
};

Mapped Map(const LineSettings& s) {
    Mapped m{TerminalDefaults(), {}};
    m.result = MapLineSettings(m.t, s);
    return m;
}

TEST(LineSettingsTest, DefaultsGiveARaw9600Line8N1WithTheHandshakeAsFound) {
    const Mapped m = Map({});
    ASSERT_EQ(m.result.error, 0);
    EXPECT_EQ(cfgetospeed(&m.t), B9600);
    EXPECT_EQ(cfgetispeed(&m.t), B9600);
    EXPECT_EQ(m.t.c_cflag & (CSIZE | PARENB | CSTOPB), static_cast<tcflag_t>(CS8));
    EXPECT_EQ(m.t.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
    EXPECT_EQ(m.t.c_oflag & OPOST, 0u);
    // No byte of a binary message may be swallowed or changed: XON/XOFF off, no CR mapping, no stripping.
    EXPECT_EQ(m.t.c_iflag & (IXON | IXOFF | IXANY | ICRNL | ISTRIP), 0u);
    EXPECT_EQ(m.t.c_cflag & (CREAD | CLOCAL), static_cast<tcflag_t>(CREAD | CLOCAL));
    EXPECT_NE(m.t.c_cflag & CRTSCTS, 0u);
    EXPECT_EQ(m.t.c_cc[VSTART], 17);
    EXPECT_EQ(m.t.c_cc[VSTOP], 19);
}

TEST(LineSettingsTest, ParityIncludingMarkAndSpace) {
    struct Row {
        TParity parity;
        tcflag_t flags;
    };
    const Row rows[] = {{paNone, 0},
                        {paOdd, PARENB | PARODD},
                        {paEven, PARENB},
                        {paMark, PARENB | PARODD | CMSPAR},
                        {paSpace, PARENB | CMSPAR}};
    for (const Row& row : rows) {
        LineSettings s;
        s.Parity = row.parity;
        const Mapped m = Map(s);
        EXPECT_EQ(m.result.error, 0);
        EXPECT_EQ(m.t.c_cflag & (PARENB | PARODD | CMSPAR), row.flags) << int(row.parity);
    }
}

TEST(LineSettingsTest, FramesTheLineCanMakeAndThoseItCannot) {
    struct Row {
        TDatabits databits;
        TStopbits stopbits;
        int error;
        tcflag_t flags;
    };
    const Row rows[] = {
        {da8, sb10, 0, CS8},          {da7, sb20, 0, CS7 | CSTOPB}, {da6, sb10, 0, CS6},
        {da5, sb15, 0, CS5 | CSTOPB},  // two stop bits with 5 data bits are 1.5 on a UART
        {da4, sb10, EINVAL, 0},       {da8, sb15, EINVAL, 0},       {da5, sb20, EINVAL, 0},
    };
    for (const Row& row : rows) {
        LineSettings s;
        s.Databits = row.databits;
        s.Stopbits = row.stopbits;
        const Mapped m = Map(s);
        EXPECT_EQ(m.result.error, row.error) << int(row.databits) << "/" << int(row.stopbits);
        if (row.error == 0) {
            EXPECT_EQ(m.t.c_cflag & (CSIZE | CSTOPB), row.flags);
        }
    }
}

TEST(LineSettingsTest, FlowControlStartsFromNoneUnlessDefault) {
    LineSettings s;
    s.FlowControl = fcNone;
    EXPECT_EQ(Map(s).t.c_cflag & CRTSCTS, 0u);
    s.FlowControl = fcCTS;
    EXPECT_NE(Map(s).t.c_cflag & CRTSCTS, 0u);
    s.FlowControl = fcSoftware;
    const Mapped software = Map(s);
    EXPECT_EQ(software.t.c_cflag & CRTSCTS, 0u);
    EXPECT_EQ(software.t.c_iflag & (IXON | IXOFF), static_cast<tcflag_t>(IXON | IXOFF));
    s.FlowControl = fcDTR;  // no DSR handshake on this platform
    EXPECT_EQ(Map(s).result.error, EINVAL);
}

TEST(LineSettingsTest, OptionsAndEventCharacters) {
    LineSettings s;
    EXPECT_EQ(Map(s).t.c_iflag & (INPCK | IGNPAR | PARMRK), static_cast<tcflag_t>(IGNPAR));
    s.Options = {coParityCheck, coErrorChar};
    EXPECT_EQ(Map(s).t.c_iflag & (INPCK | IGNPAR | PARMRK), static_cast<tcflag_t>(INPCK));
    s.XonChar = 'Q';
    s.XoffChar = 'S';
    EXPECT_EQ(Map(s).t.c_cc[VSTART], 'Q');
    EXPECT_EQ(Map(s).t.c_cc[VSTOP], 'S');
}

TEST(LineSettingsTest, SpeedsWithoutAConstantAreLeftForTheFreeSpeedCall) {
    for (TBaudRate rate : {cbr14400, cbr56000, cbr128000, cbr256000}) {
        LineSettings s;
        s.BaudRate = rate;
        const Mapped m = Map(s);
        EXPECT_EQ(m.result.error, 0);
        EXPECT_EQ(m.result.customSpeed, BitsPerSecond(rate));
    }
    LineSettings s;
    s.BaudRate = cbr115200;
    const Mapped m = Map(s);
    EXPECT_EQ(m.result.customSpeed, 0u);
    EXPECT_EQ(cfgetospeed(&m.t), B115200);
}

TEST(LineSettingsTest, CharsTimeOutBecomesTheIntervalTimer) {
    struct Row {
        int32_t ms;
        cc_t vmin, vtime;
    };
    const Row rows[] = {{0, 0, 0}, {-5, 0, 0}, {1, 1, 1}, {100, 1, 1}, {250, 1, 3}, {25500, 1, 255}, {60000, 1, 255}};
    for (const Row& row : rows) {
        termios t = TerminalDefaults();
        MapCharsTimeOut(t, row.ms);
        EXPECT_EQ(t.c_cc[VMIN], row.vmin) << row.ms;
        EXPECT_EQ(t.c_cc[VTIME], row.vtime) << row.ms;
    }
}

}  // namespace
