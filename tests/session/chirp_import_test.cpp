#include "session/chirp_import.h"

#include <gtest/gtest.h>

#include "model/model_table.h"

namespace kw {
namespace {

constexpr const char* kOneChannel =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment\r\n"
    "1,CALL,146.520000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,\r\n";

TEST(ChirpImport, ChangesTheDocumentOnlyWhenTakenAndMarksItModifiedWhenAChannelChanged) {
    ProductState product;
    product.storedBand = encodeBand(kRadioModels[0].band);
    DocumentSession document(product, Language::English);
    document.newDocument("Dealer");
    ChirpImport prepared = prepareChirpImport(document, kOneChannel, false);
    ASSERT_TRUE(prepared.refused.empty()) << prepared.refused[0].reason;
    EXPECT_EQ(document.grid().text(1, kNameColumn), "");
    EXPECT_FALSE(document.isModified());
    takeChirpImport(document, std::move(prepared));
    EXPECT_EQ(document.grid().text(1, kNameColumn), "CALL");
    EXPECT_TRUE(document.isModified());

    document.setModified(false);
    takeChirpImport(document, prepareChirpImport(document, kOneChannel, false));
    EXPECT_FALSE(document.isModified()) << "the same channels again change nothing";
}

}  // namespace
}  // namespace kw
