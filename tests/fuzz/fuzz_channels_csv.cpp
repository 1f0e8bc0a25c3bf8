// Any file given to CSV import, for either model. A refused file leaves the grid as it
// was; an imported one exports to a file that imports to the same grid again.
#include <cstdint>
#include <string_view>

#include "channels/channel_csv.h"
#include "fuzz_support.h"

using kw::fuzz::expect;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // The first byte picks the model and the grid's language, the rest is the file.
    const kw::Language language =
        (data[0] & 2) != 0 ? kw::Language::Chinese : kw::Language::English;
    const kw::ProductState product = kw::fuzz::productOf(kw::kRadioModels[data[0] & 1]);
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

    kw::ChannelGrid grid(language);
    kw::ChannelEditors editors(language);
    const kw::ChannelGrid before = grid;
    const kw::CsvImportResult imported = kw::importChannelsCsv(text, grid, editors, product);
    if (!imported) {
        kw::fuzz::expectSameCells(grid, before, "a refused import changes no cell");
        expect(imported.status == kw::CsvImportStatus::Rejected || !imported.error.empty(),
               "a malformed file is explained");
        return 0;
    }
    kw::ChannelGrid again(language);
    kw::ChannelEditors againEditors(language);
    expect(static_cast<bool>(
               kw::importChannelsCsv(kw::channelsCsv(grid), again, againEditors, product)),
           "an exported table imports");
    kw::fuzz::expectSameCells(grid, again, "an exported table imports to the same cells");
    return 0;
}
