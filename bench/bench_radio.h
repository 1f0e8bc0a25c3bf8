#pragma once
// What the radio benchmarks start from: the model their "--model" names, a simulated
// radio beside the benchmark, and a new document for the model.

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/model_table.h"
#include "session/new_document.h"
#include "sim_process.h"

namespace kw::bench {

// The model index of "--model MODEL" (KW-217V with no arguments); nothing for anything else.
inline std::optional<std::size_t> modelOfArguments(int argc, char** argv) {
    if (argc == 1) {
        return 0;
    }
    if (argc == 3 && std::string(argv[1]) == "--model") {
        if (const auto index = modelIndexOfText(argv[2])) {
            return static_cast<std::size_t>(*index);
        }
    }
    return std::nullopt;
}

// kwradio-sim from this benchmark's own folder, as `options` ask; says why on failure.
inline std::optional<sim::SimProcess> startSimulator(const std::vector<std::string>& options) {
    const auto here = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    std::string error;
    auto sim = sim::SimProcess::start((here / "kwradio-sim").string(), options, error);
    if (!sim) {
        std::fprintf(stderr, "%s\n", error.c_str());
    }
    return sim;
}

inline RadioImage newDocumentOf(std::size_t modelIndex) {
    RadioImage image{};
    ProductState product;
    product.storedModelType = kRadioModels[modelIndex].type;
    fillNewDocumentImage(image, product);
    return image;
}

}  // namespace kw::bench
