#include "format_option.h"

#include <algorithm>

namespace kw::cli {
namespace {

constexpr std::array<std::pair<std::string_view, OutputFormat>, 5> kFormats{{
    {"text", OutputFormat::Text},
    {"tsv", OutputFormat::Tsv},
    {"csv", OutputFormat::Csv},
    {"json", OutputFormat::Json},
    {"chirp", OutputFormat::Chirp},
}};

}  // namespace

std::optional<OutputFormat> formatOption(const Arguments& arguments,
                                         std::span<const std::string_view> offered,
                                         CommandContext& context) {
    const std::string text = arguments.value(kFormatOption.name, std::string(offered.front()));
    if (std::find(offered.begin(), offered.end(), text) != offered.end()) {
        return std::find_if(kFormats.begin(), kFormats.end(),
                            [&](const auto& format) { return format.first == text; })
            ->second;
    }
    context.err << "Unknown format \"" << text << "\"; choose ";
    for (std::size_t i = 0; i < offered.size(); ++i) {
        context.err << (i == 0 ? "" : i + 1 == offered.size() ? " or " : ", ") << offered[i];
    }
    context.err << ".\n";
    return std::nullopt;
}

}  // namespace kw::cli
