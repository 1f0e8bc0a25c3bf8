#include "channels/chirp_line.h"

#include <algorithm>

#include "base/typed_text.h"
#include "channels/c_number.h"
#include "channels/channel_name.h"
#include "channels/channel_words.h"
#include "channels/frequency_codec.h"

namespace kw {
namespace {

// A longer name cannot fit eight bytes even as \xNN escapes; cutting starts here.
constexpr std::size_t kLongestNameText = 4 * record::kNameSize;
// Below this a wattage is the low power level.
constexpr double kLowPowerBelowWatts = 2.5;

std::string quoted(std::string_view text) {
    return '"' + std::string(text) + '"';
}

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Cut at a character boundary to what the name editor stores; a character the code page
// lacks is left for the editor to refuse.
std::string nameThatFits(std::string_view given) {
    std::size_t end = 0;
    for (std::size_t characters = 0; end < given.size() && characters < kLongestNameText;
         ++characters) {
        do {
            ++end;
        } while (end < given.size() && isContinuationByte(given[end]));
    }
    std::string name(given.substr(0, end));
    GbkCodec codec;
    while (!name.empty() && encodeChannelName(name, codec).problem == NameProblem::TooLong) {
        std::size_t last = name.size() - 1;
        while (last > 0 && isContinuationByte(name[last])) {
            --last;
        }
        name.erase(last);
    }
    return name;
}

bool isLowPower(std::string_view given) {
    const std::string_view text = withoutBlanks(given);
    if (sameTypedWord(text, "Low") || sameTypedWord(text, "L")) {
        return true;
    }
    const bool watts = !text.empty() && asciiLower(text.back()) == 'w';
    const std::string_view number = withoutBlanks(watts ? text.substr(0, text.size() - 1) : text);
    return isPlainDecimal(number) && cAtof(number) < kLowPowerBelowWatts;
}

// MHz to 10 Hz units; none unless the text is a plain decimal number.
std::optional<std::int32_t> tenHertzOf(std::string_view given) {
    const std::string_view text = withoutBlanks(given);
    return isPlainDecimal(text) ? parseFrequency(text).value : std::nullopt;
}

class LineRefusals {
  public:
    LineRefusals(int line, std::vector<ChirpRefusal>& refused) : line_(line), refused_(refused) {}
    void add(std::string_view column, std::string reason) {
        refused_.push_back({line_, std::string(column), std::move(reason)});
        any_ = true;
    }
    void add(ChirpColumn column, std::string reason) {
        add(kChirpColumnNames[column], std::move(reason));
    }
    bool any() const { return any_; }

  private:
    int line_;
    std::vector<ChirpRefusal>& refused_;
    bool any_ = false;
};

void readDuplex(const ChirpLineFields& fields, ChirpChannel& channel, LineRefusals& refusals) {
    const std::string_view duplex = withoutBlanks(fields[kChirpDuplex]);
    if (duplex == "+" || duplex == "-") {
        channel.duplexSign = duplex == "+" ? 1 : -1;
    } else if (sameTypedWord(duplex, "split")) {
        channel.split = true;
    } else if (sameTypedWord(duplex, "off")) {
        refusals.add(kChirpDuplex, "\"off\" cannot be stored: this radio has no transmit inhibit.");
        return;
    } else if (!duplex.empty()) {
        refusals.add(kChirpDuplex, quoted(fields[kChirpDuplex]) +
                                       " is not a Duplex of CHIRP's: empty, +, - or split.");
        return;
    }
    if (channel.duplexSign != 0 || channel.split) {
        if (const auto offset = tenHertzOf(fields[kChirpOffset])) {
            channel.offset = *offset;
        } else {
            refusals.add(kChirpOffset,
                         quoted(fields[kChirpOffset]) + " is not a frequency in MHz.");
        }
    }
}

}  // namespace

std::optional<ChirpChannel> readChirpChannel(const ChirpLineFields& fields, Language language,
                                             int line, std::vector<ChirpRefusal>& refused) {
    LineRefusals refusals(line, refused);
    ChirpChannel channel;
    // Read to 10 Hz first: the editor's own text of a longer number could round past
    // the value it checks (147.330009999 shows as 147.33001).
    const auto rx = tenHertzOf(fields[kChirpFrequency]);
    channel.rx = rx ? formatFrequency(*rx) : std::string(withoutBlanks(fields[kChirpFrequency]));
    readDuplex(fields, channel, refusals);
    ChirpToneReading tones = readChirpTones(
        {std::string(fields[kChirpTone]), std::string(fields[kChirpRToneFreq]),
         std::string(fields[kChirpCToneFreq]), std::string(fields[kChirpDtcsCode]),
         std::string(fields[kChirpDtcsPolarity]), std::string(fields[kChirpRxDtcsCode]),
         std::string(fields[kChirpCrossMode])},
        language);
    if (tones.problem) {
        refusals.add(tones.problem->column, std::move(tones.problem->reason));
    }
    channel.tones = std::move(tones.tones);
    channel.name = nameThatFits(fields[kChirpName]);
    channel.power = (isLowPower(fields[kChirpPower]) ? kLowPowerWord : kHighPowerWord).in(language);
    const std::string_view mode = fields[kChirpMode];
    if (sameTypedWord(mode, "FM") || sameTypedWord(mode, "NFM")) {
        channel.width = (sameTypedWord(mode, "FM") ? kWideWord : kNarrowWord).in(language);
    } else {
        refusals.add(kChirpMode,
                     quoted(mode) + " is not a mode of this radio: FM (Wide) or NFM (Narrow).");
    }
    const std::string_view skip = fields[kChirpSkip];
    if (withoutBlanks(skip).empty() || sameTypedWord(skip, "P") || sameTypedWord(skip, "S")) {
        channel.scanAdd = (sameTypedWord(skip, "S") ? kNoWord : kYesWord).in(language);
    } else {
        refusals.add(kChirpSkip, quoted(skip) + " is not a Skip of CHIRP's: empty, P or S.");
    }
    return refusals.any() ? std::nullopt : std::optional(std::move(channel));
}

}  // namespace kw
