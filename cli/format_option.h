#pragma once
// --format: how a command lays out what it prints, or reads. Each command names the forms
// it offers, its default first.

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "base/arguments.h"
#include "command.h"

namespace kw::cli {

enum class OutputFormat { Text, Tsv, Csv, Json, Chirp };

inline constexpr Option kFormatOption{"format"};

inline constexpr std::array<std::string_view, 3> kTableFormats{"tsv", "csv", "json"};
inline constexpr std::array<std::string_view, 2> kReportFormats{"text", "json"};
// A channel list file: ours, or CHIRP's CSV.
inline constexpr std::array<std::string_view, 2> kChannelListFormats{"csv", "chirp"};

// Reports a form the command does not offer on the error stream.
[[nodiscard]] std::optional<OutputFormat> formatOption(const Arguments& arguments,
                                                       std::span<const std::string_view> offered,
                                                       CommandContext& context);

}  // namespace kw::cli
