// Any file given to the CHIRP CSV import, for either model. What it takes exports to a
// file that imports, with no line refused, to the same channels again.
#include <cstdint>
#include <string_view>

#include "channels/chirp_csv.h"
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

    const kw::ChannelGrid empty(language);
    const kw::ChannelEditors editors(language);
    const kw::ChirpImport imported = kw::readChirpCsv(text, empty, editors, product);
    if (!imported) {
        kw::fuzz::expectSameCells(imported.grid, empty, "a malformed file changes no cell");
        return 0;
    }
    const kw::ChirpImport again =
        kw::readChirpCsv(kw::chirpCsv(imported.grid), empty, editors, product);
    expect(again && again.refused.empty(), "an exported list imports whole");
    kw::fuzz::expectSameCells(again.grid, imported.grid,
                              "an exported list imports to the same channels");
    return 0;
}
