#pragma once
// A new document: the image a radio has when nothing is programmed.

#include <string_view>

#include "model/product_state.h"
#include "model/program_doc.h"
#include "model/radio_image.h"
#include "res/language.h"

namespace kw {

// Every byte is empty but the factory settings: the option bytes hold each setting's
// new-document value from the feature table, the product block and band bytes the stored
// model and band. Normalises an erased stored band.
void fillNewDocumentImage(RadioImage& image, ProductState& product);

// The factory image under the title "Channel Information"; `appName` (the Setup/AppName
// text) becomes the name a first save proposes.
void startNewDocument(CProgramDoc& document, ProductState& product, std::string_view appName,
                      Language language);

}  // namespace kw
