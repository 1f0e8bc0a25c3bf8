// Any file handed to Open: the check must never read outside the bytes, and a file it
// accepts must load and save back byte for byte.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "model/document_file.h"
#include "model/product_state.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    if (kw::checkDocumentBytes(bytes) != kw::DocumentProblem::None) {
        return 0;
    }
    kw::RadioImage image;
    std::copy(bytes.begin(), bytes.end(), image.begin());
    kw::ProductState product;
    product.deriveFrom(image);
    product.writeInto(image);
    // The rebuilt product block and band must describe the same product again.
    kw::ProductState again;
    again.deriveFrom(image);
    if (again.storedModelType != product.storedModelType ||
        again.bandLowerLimit != product.bandLowerLimit ||
        again.bandUpperLimit != product.bandUpperLimit) {
        std::abort();
    }
    return 0;
}
