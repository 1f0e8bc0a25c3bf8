#pragma once
// One line of a CHIRP CSV as the channel it asks for, in the grid's texts, with what
// this radio lacks refused before the typing rules see it.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "channels/chirp_columns.h"
#include "channels/chirp_csv.h"
#include "channels/chirp_tones.h"
#include "channels/csv.h"
#include "res/language.h"

namespace kw {

// Where each CHIRP column is in a line of the file; none for a column the file lacks.
using ChirpFieldIndex = std::array<std::optional<std::size_t>, kChirpColumnCount>;

// A line's cell of a column, empty when the file or the line lacks it.
class ChirpLineFields {
  public:
    ChirpLineFields(const CsvRecord& record, const ChirpFieldIndex& index)
        : record_(record), index_(index) {}
    std::string_view operator[](ChirpColumn column) const {
        const auto field = index_[column];
        return field && *field < record_.size() ? std::string_view(record_[*field])
                                                : std::string_view();
    }

  private:
    const CsvRecord& record_;
    const ChirpFieldIndex& index_;
};

struct ChirpChannel {
    std::string rx;  // MHz with five decimals, when it is a number
    // Tx = Rx + duplexSign * offset, or Tx = offset for split; in 10 Hz units.
    int duplexSign = 0;
    bool split = false;
    std::int64_t offset = 0;
    ChannelTones tones;
    std::string name;  // cut to what a name holds
    std::string power;
    std::string width;
    std::string scanAdd;
};

// Each column's refusal goes to `refused` under `line`; nothing comes back then.
[[nodiscard]] std::optional<ChirpChannel> readChirpChannel(const ChirpLineFields& fields,
                                                           Language language, int line,
                                                           std::vector<ChirpRefusal>& refused);

}  // namespace kw
