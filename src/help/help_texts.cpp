#include "help/help_texts.h"

// The help texts. Each topic is a list of pane lines: the title first, an
// empty line between paragraphs, at most 48 characters a line so that the
// pane never has to wrap them.

namespace {

// The emulation in general, shown while the emulated main screen runs.
constexpr std::string_view kEmulation[] = {
    "Transceiver is simulated.",
    "",
    "Click any key on the panel to operate the",
    "transceiver just as you would the real unit.",
    "",
    "The two sliders set the signal received on",
    "the active and on the standby frequency.",
    "The two buttons are the pilot and passenger",
    "push-to-talk (PTT) switches.",
    "",
    "Click and hold the active/standby key to",
    "switch scanning on or off.",
    "",
    "Click and hold the MHZ/KHZ/CH key to switch",
    "between 25 kHz and 50 kHz tuning steps.",
    "",
    "MENU opens the transceiver set-up and options.",
};

// Main menu items, shown while the item is on the emulated display.
constexpr std::string_view kNoiseSuppression[] = {
    "Select and adjust the microphone noise",
    "suppression system.",
    "",
    "Three systems are available. While editing,",
    "TYPE (the ACTIVE key) selects the next one,",
    "UP and DOWN set its level.",
    "",
    "VOX standard: the traditional voice operated",
    "switch. The microphone opens or closes with",
    "the sound level it picks up. The higher the",
    "background noise, the higher the setting",
    "needs to be.",
    "",
    "VOX delayed: works like VOX standard, but",
    "the microphone sound is delayed by 40 ms so",
    "that the first syllable is not clipped while",
    "the switch opens. This needs a good",
    "installation and good headsets, otherwise",
    "you may hear an echo.",
    "",
    "VOGAD level: the VOGAD system is Qor's own",
    "digital signal processing. It suppresses the",
    "ambient noise without degrading the voice.",
    "",
    "The level runs from OFF to 10 with VOX and",
    "from OFF to 6 with VOGAD. Changing over to",
    "VOGAD brings a higher level down to 6.",
    "",
    "Press BACK (MENU) when done.",
};

constexpr std::string_view kChannels[] = {
    "Enter the frequency channel database",      "",
    "SEL (the ACTIVE key) opens the channel",    "database editor, where you program the",
    "frequency, name and type of each channel.", "Up to 100 channels can be stored.",
};

constexpr std::string_view kContrast[] = {
    "Adjust display contrast",
    "",
    "Set the contrast to suit your taste.",
    "Typical values are 30 to 45.",
    "",
    "A higher value makes the display darker,",
    "a lower value makes it lighter.",
    "",
    "Aim for the best contrast between the light",
    "and the dark areas of the display.",
};

constexpr std::string_view kMicLevel[] = {
    "Adjust the microphone level",
    "",
    "The microphone level matters for correct",
    "modulation of the transmitter and for the",
    "VOX and VOGAD noise suppression to work",
    "well.",
    "",
    "To set it, hold the pilot headset microphone",
    "very close to your mouth and speak. Adjust",
    "the level until only the loudest parts of",
    "your voice touch the right end of the meter",
    "bar below the setting.",
    "",
    "Most microphones end up at 10 or 20 dB.",
    "",
    "A level that is too weak makes your voice",
    "sound soft to the listener; a level that is",
    "too strong makes it sound distorted.",
    "",
    "The level runs from 0 dB to 30 dB in steps",
    "of 10 dB.",
    "",
    "The simulation has no microphone, so its",
    "meter bar stays empty.",
};

constexpr std::string_view kAuxLevel[] = {
    "Adjust the auxiliary audio input level",
    "",
    "The AUX input can take:",
    "- music,",
    "- voice guidance from an EFIS,",
    "- the outputs of an audio panel,",
    "- a second Qor transceiver used as a",
    "  standby receiver (dual watch).",
    "",
    "Two levels are set:",
    "",
    "OPEN is used while the microphones are",
    "closed.",
    "",
    "MUTE is used while the pilot or passenger",
    "microphone is active. For music it is",
    "normally set lower than the OPEN level.",
    "",
    "While editing, EDIT (the ACTIVE key)",
    "switches between the two levels. Each runs",
    "from 30 dB down to -30 dB and then Off.",
    "MUTE is never set louder than OPEN.",
    "",
    "In a dual-watch pair the active unit ignores",
    "this setting: set the levels on the standby",
    "unit instead.",
};

constexpr std::string_view kMicFilter[] = {
    "Bandpass filter enable/disable",
    "",
    "Switches a narrow voice band filter on or",
    "off for both microphones.",
    "",
    "It is meant for aircraft with very noisy",
    "cockpits, such as open cockpits.",
    "",
    "The filter passes 500 Hz to 3.5 kHz and",
    "suppresses all sound outside this band.",
    "",
    "ON (UP) and OFF (DOWN) switch the filter.",
};

constexpr std::string_view kScanAtPowerUp[] = {
    "Scanning status at power-on",
    "",
    "Chooses whether the receiver powers up with",
    "scanning on or off.",
    "",
    "During operation, scanning of the active",
    "and standby frequencies is switched on or",
    "off by holding the active/standby key for",
    "one second while the menu is not open.",
    "",
    "This setting has no effect when two Qor",
    "transceivers work as a dual-watch pair.",
    "",
    "Choosing either value stops any scanning",
    "that is running.",
};

constexpr std::string_view kPttMode[] = {
    "Pilot and Passenger PTT mode",
    "",
    "Chooses how the pilot and passenger",
    "microphones behave while transmitting.",
    "",
    "Join: both microphones are joined, so",
    "either PTT switch opens both of them.",
    "",
    "Isolate: the microphones are isolated, so",
    "each PTT switch opens only its own",
    "microphone.",
    "",
    "Choose with Iso (UP) and Join (DOWN).",
};

constexpr std::string_view kSetupMenu[] = {
    "Setup menu",
    "",
    "SEL (the ACTIVE key) opens a second set-up",
    "menu. It holds items that are rarely used",
    "or set only once during the first",
    "installation, such as the operating modes,",
    "and functions for service and repair.",
    "",
    "MENU returns to the main menu.",
};

// Shown when a real transceiver is connected.
constexpr std::string_view kConnected[] = {
    "You are connected to a Qor transceiver",
    "",
    "The display shows the state of the",
    "connected transceiver. The functions of",
    "this program can be used with it, such as",
    "uploading and downloading the frequency",
    "database.",
};

// Setup menu lines 0..5, shown while the line is selected.
constexpr std::string_view kDualMode[] = {
    "Single or dual transceiver mode",
    "",
    "Two transceivers can work together as one",
    "dual-watch radio when no external audio",
    "panel is used. Scanning is then disabled.",
    "",
    "For such a pair, set this unit to",
    "\"Main only\" or \"Standby only\". For normal",
    "operation with a single transceiver, choose",
    "\"Main+Standby\".",
    "",
    "See the wiring diagrams in the manual for",
    "connecting the two units.",
    "",
    "This setting has no function when direct",
    "frequency selection is chosen.",
    "",
    "The ACTIVE key steps through the three choices.",
};

constexpr std::string_view kMicInvert[] = {
    "Microphone signal invert",
    "",
    "Inverts the phase of the microphone audio",
    "signal.",
    "",
    "This can help against RF feedback, heard as",
    "squealing while transmitting. The feedback",
    "is caused by the transmitted signal leaking",
    "into the microphones, their cables or an",
    "external intercom.",
    "",
    "If the radio squeals during transmit, try",
    "the other setting.",
};

constexpr std::string_view kTxHotMic[] = {
    "HOT Microphone during transmit",
    "",
    "VOX: the VOX or VOGAD noise suppression",
    "keeps working while transmitting.",
    "",
    "HOT: the noise suppression is switched off",
    "while transmitting, so everything the",
    "microphone picks up is sent. With VOX this",
    "avoids losing the first syllable.",
    "",
    "With VOGAD the VOX setting is recommended,",
    "so that VOGAD keeps working during",
    "transmit.",
    "",
    "The ACTIVE key switches between VOX and",
    "HOT.",
};

constexpr std::string_view kTxLock[] = {
    "TX lock on active RX",
    "",
    "When on, the PTT does nothing while a signal",
    "above the squelch level is received on the",
    "active frequency. This helps to avoid double",
    "transmissions.",
    "",
    "A signal received on the standby frequency",
    "(dual scan or dual watch) does not block",
    "transmission.",
    "",
    "When off, reception never blocks the PTT.",
    "The ACTIVE key switches between On and Off.",
};

constexpr std::string_view kPriorityScan[] = {
    "Priority scan on/off",
    "",
    "Works with Main+Standby while scanning is on.",
    "",
    "On: while the receiver is on the standby",
    "frequency, priority scan briefly checks the",
    "active frequency at intervals and changes",
    "to it when it carries a signal.",
    "",
    "Off: the receiver stays on whichever",
    "frequency is receiving until the reception",
    "ends, then scanning resumes.",
    "",
    "The ACTIVE key switches between On and Off.",
};

constexpr std::string_view kDirectSelect[] = {
    "Direct or flip-flop frequency selection",
    "",
    "Direct FS: only one frequency is shown and",
    "tuned. The main/standby choice has no",
    "effect and there is no scanning. Dual watch",
    "is possible only through an external audio",
    "panel.",
    "",
    "Flip-Flop FS offers an active and a standby",
    "frequency with:",
    "- Main+Standby, Main only or Standby only",
    "  operation,",
    "- dual watch with a second transceiver,",
    "- dual scan with a single receiver,",
    "- tuning on the standby frequency,",
    "- flipping between active and standby with",
    "  the ACTIVE key.",
    "",
    "The ACTIVE key switches between Flip-Flop FS",
    "and Direct FS; the display names the one in",
    "use.",
};

constexpr HelpTopic kTopics[] = {
    {1, kEmulation},      {2, kNoiseSuppression}, {3, kChannels},      {4, kContrast},   {5, kMicLevel},
    {6, kAuxLevel},       {7, kMicFilter},        {8, kScanAtPowerUp}, {9, kPttMode},    {10, kSetupMenu},
    {100, kConnected},    {200, kDualMode},       {201, kMicInvert},   {202, kTxHotMic}, {203, kTxLock},
    {204, kPriorityScan}, {205, kDirectSelect},
};

}  // namespace

std::span<const HelpTopic> HelpTopics() { return kTopics; }
