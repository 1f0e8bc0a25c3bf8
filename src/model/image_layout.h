#pragma once
// Layout of the radio image: 256 rows of 24 bytes, the document file byte for byte.
//
//   rows   0-127  0x0000-0x0BFF  channel records of channels 1-128
//   row    128    0x0C00-0x0C17  the "Fr" channel record
//   row    129    0x0C18-0x0C2F  carried with the channels, never edited
//   rows 130-194  0x0C30-0x1247  never transferred, never edited
//   rows 195-255  0x1248-0x17FF  settings rows; bytes 0-15 of each are the radio's
//                                settings area, bytes 16-23 never leave the PC
//
// Radio memory is 0x0000-0x0FFF: the channel area 0x0000-0x0C2F maps 1:1 onto rows
// 0-129, the settings area 0x0C30-0x0FFF takes 16 bytes from each of rows 195-255.
// docs/memory-map.md describes every block.

#include <array>
#include <cstddef>
#include <cstdint>

namespace kw {

inline constexpr std::size_t kImageSize = 6144;
inline constexpr std::size_t kRowSize = 24;
inline constexpr int kRowCount = 256;

constexpr std::size_t rowOffset(int row) {
    return static_cast<std::size_t>(row) * kRowSize;
}

// Channel records: 128 channels plus "Fr"; record 129 travels with them.
inline constexpr int kChannelCount = 128;
inline constexpr int kFrRecord = 128;
inline constexpr int kEditedRecordCount = 129;
inline constexpr int kTransferredChannelRows = 130;

inline constexpr int kFirstSettingsRow = 195;
inline constexpr int kLastSettingsRow = 255;
inline constexpr std::size_t kSettingsBytesPerRow = 16;

// Fields of a channel record.
namespace record {
inline constexpr std::size_t kRxFrequency = 0;
inline constexpr std::size_t kTxFrequency = 4;
inline constexpr std::size_t kFrequencySize = 4;
inline constexpr std::size_t kDecodeTone = 8;
inline constexpr std::size_t kEncodeTone = 10;
inline constexpr std::size_t kSignalType = 12;
inline constexpr std::size_t kFlags = 13;
inline constexpr std::size_t kSignalNumber = 14;
inline constexpr std::size_t kTwoToneDecodeNumber = 15;
inline constexpr std::size_t kName = 16;
inline constexpr std::size_t kNameSize = 8;
}  // namespace record

// Radio-wide option bytes edited by Optional Features.
inline constexpr std::size_t kOptionBytes = 0x1260;
inline constexpr std::size_t kOptionBytesSize = 8;
inline constexpr std::size_t kMoreOptionBytes = 0x12A8;
inline constexpr std::size_t kMoreOptionBytesSize = 4;

// The option bytes one by one; the bit fields inside them belong to Optional Features.
namespace option {
inline constexpr std::size_t kTimeOutTimer = kOptionBytes + 0;
inline constexpr std::size_t kSquelchLevel = kOptionBytes + 1;
inline constexpr std::size_t kVoxGainLevel = kOptionBytes + 2;
inline constexpr std::size_t kStep = kOptionBytes + 3;
inline constexpr std::size_t kTimeOutPreAlert = kOptionBytes + 4;
inline constexpr std::size_t kKeyOptions = kOptionBytes + 5;      // orange key, lock, beep, scan
inline constexpr std::size_t kDisplayOptions = kOptionBytes + 6;  // STR, power-on, back light
inline constexpr std::size_t kDisplayMode = kOptionBytes + 7;
inline constexpr std::size_t kSaverOptions = kMoreOptionBytes + 0;  // battery saver, keypad lock
inline constexpr std::size_t kPriorityChannel = kMoreOptionBytes + 1;
inline constexpr std::size_t kMskOptions = kMoreOptionBytes + 3;  // MSK type, invert, reset
}  // namespace option

// The bits of the option bytes that no setting edits, as a factory radio holds them; a
// new document takes them, and each setting's own field from the feature table.
inline constexpr std::array<std::uint8_t, kOptionBytesSize> kOptionBytesOtherBits{
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x02, 0x78};
inline constexpr std::array<std::uint8_t, kMoreOptionBytesSize> kMoreOptionBytesOtherBits{
    0x7C, 0x00, 0xFF, 0x00};

// Settings bytes this program never edits; a new document gives them a factory radio's
// values, written with the defaults below.
namespace opaque {
inline constexpr std::size_t kAfterOptionBytes = kOptionBytes + kOptionBytesSize;
inline constexpr std::size_t kAfterOptionBytesSize = 2;
inline constexpr std::size_t kRow203Settings = rowOffset(203);
inline constexpr std::size_t kRow203SettingsSize = 6;
inline constexpr std::size_t kRow204LastSetting = rowOffset(204) + kSettingsBytesPerRow - 1;
inline constexpr std::size_t kRow205LastSetting = rowOffset(205) + kSettingsBytesPerRow - 1;
}  // namespace opaque

// 2-Tone tables: written with defaults for a new document, otherwise opaque.
inline constexpr std::size_t kTwoToneEncodeTable = 0x1500;
inline constexpr int kTwoToneEncodeEntries = 32;
inline constexpr std::size_t kTwoToneEncodeEntrySize = 4;
inline constexpr std::size_t kTwoToneDecodeTable = 0x15C0;
inline constexpr int kTwoToneDecodeEntries = 8;
inline constexpr std::size_t kTwoToneDecodeEntrySize = 8;

// Tone timing bytes after the 2-Tone tables: written with defaults for a new document.
inline constexpr std::size_t kToneTimingBytes = 0x1620;
inline constexpr std::size_t kToneTimingBytesSize = 8;

// Product block: model type and band limits, rebuilt at every grid commit.
inline constexpr std::size_t kProductBlock = 0x17B8;
inline constexpr std::size_t kProductBlockSize = 16;
inline constexpr std::size_t kModelType = 0x17B9;

// Password block: bytes 2-7 hold up to six ASCII characters, the rest 0xFF.
inline constexpr std::size_t kPasswordBlock = 0x17D0;
inline constexpr std::size_t kPasswordBlockSize = 16;
inline constexpr std::size_t kPassword = 0x17D2;
inline constexpr std::size_t kPasswordSize = 6;

// Band bytes: d e f d e f, packed digits of the band limits in whole MHz.
inline constexpr std::size_t kBandBytes = 0x17E8;
inline constexpr std::size_t kBandBytesSize = 6;

// Bytes after the band bytes, written with defaults for a new document.
inline constexpr std::size_t kTrailerBytes = kBandBytes + kBandBytesSize;
inline constexpr std::size_t kTrailerBytesSize = 4;

inline constexpr std::uint8_t kEmptyByte = 0xFF;

}  // namespace kw
