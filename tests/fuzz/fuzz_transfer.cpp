// The radio's side of a Read or a Write: a radio of either model (or of none) whose
// answers the input spoils exchange by exchange - garbage, cut short, late, silence,
// extra bytes, a hang-up - with the user's retries and cancels chosen by the input too.
// Waits are counted, not slept. Whatever happens, the port is closed afterwards, a Write
// leaves the document as it is, a Read that does not finish leaves it untouched, and
// the user hears of a failure exactly once.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <utility>

#include "fuzz_support.h"
#include "link/programming_session.h"
#include "model/program_doc.h"
#include "support/fake_sleeper.h"
#include "support/recording_observer.h"
#include "support/scripted_port.h"
#include "support/scripted_radio.h"

using kw::fuzz::expect;

namespace {

enum class Spoil : std::uint8_t {
    None,
    Garbage,
    Cut,
    Late,
    Silence,
    Extra,
    HangUp,
    kMaxValue = HangUp
};

// Runs out of input as an honest radio, so every run ends.
class SpoilingRadio {
  public:
    SpoilingRadio(FuzzedDataProvider& input, std::uint8_t modelType)
        : input_(input), radio_(modelType) {}

    void attach(kw::test::ScriptedPort& port) { port_ = &port; }

    std::vector<std::uint8_t> operator()(std::span<const std::uint8_t> written) {
        std::vector<std::uint8_t> answer = radio_(written);
        std::vector<std::uint8_t> late = std::exchange(late_, {});
        switch (input_.ConsumeEnum<Spoil>()) {
            case Spoil::None:
                break;
            case Spoil::Garbage:
                answer = input_.ConsumeBytes<std::uint8_t>(input_.ConsumeIntegralInRange(1, 16));
                break;
            case Spoil::Cut:
                answer.resize(
                    std::min(answer.size(), input_.ConsumeIntegralInRange<std::size_t>(0, 11)));
                break;
            case Spoil::Late:
                late_ = std::move(answer);
                answer.clear();
                break;
            case Spoil::Silence:
                answer.clear();
                break;
            case Spoil::Extra: {
                const auto extra =
                    input_.ConsumeBytes<std::uint8_t>(input_.ConsumeIntegralInRange(1, 8));
                answer.insert(answer.end(), extra.begin(), extra.end());
                break;
            }
            case Spoil::HangUp:
                port_->pullCable();
                break;
        }
        late.insert(late.end(), answer.begin(), answer.end());
        return late;
    }

  private:
    FuzzedDataProvider& input_;
    kw::test::ScriptedRadio radio_;
    kw::test::ScriptedPort* port_ = nullptr;
    std::vector<std::uint8_t> late_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto direction =
        input.ConsumeBool() ? kw::TransferDirection::Write : kw::TransferDirection::Read;
    const std::uint8_t radioModel = input.ConsumeIntegralInRange<std::uint8_t>(0, 2);
    const std::uint8_t documentModel = input.ConsumeIntegralInRange<std::uint8_t>(1, 2);

    kw::test::RecordingObserver observer;
    observer.answers.assign(input.ConsumeIntegralInRange(0, 3), kw::RetryAnswer::Retry);
    if (const int at = input.ConsumeIntegralInRange(0, 2000); at > 0) {
        observer.cancelAtCheck = at;
    }
    if (const int at = input.ConsumeIntegralInRange(0, 200); at > 0) {
        observer.cancelAtProgress = at;
    }

    SpoilingRadio radio(input, radioModel);
    kw::test::ScriptedPort port([&radio](std::span<const std::uint8_t> w) { return radio(w); });
    radio.attach(port);
    const bool refused = input.ConsumeIntegralInRange(0, 15) == 0;
    if (refused) {
        port.refuseOpen({kw::PortOpenProblem::Busy, "COM3 is held by another program."});
    }

    kw::CProgramDoc document;
    kw::fuzz::productOf(kw::kRadioModels[documentModel - 1]).writeInto(document.image());
    const kw::RadioImage original = document.image();
    kw::test::FakeSleeper sleeper;
    kw::ProgrammingSession session(port, observer, sleeper);
    const kw::TransferResult result = session.run(direction, document.image(), "COM3");

    expect(!port.isOpen(), "the port is closed on every way out");
    expect(observer.messages.size() <= 1, "one message at most");
    for (std::size_t i = 0; i < observer.progress.size(); ++i) {
        expect(observer.progress[i] == static_cast<int>(i) + 1, "the bar moves one step at a time");
    }
    expect(observer.progress.size() <= kw::kProgressRange, "the bar stops at its end");
    switch (result.outcome) {
        case kw::TransferOutcome::Done:
            expect(!result.message, "success says nothing");
            expect(!refused, "no transfer without the port");
            break;
        case kw::TransferOutcome::Cancelled:
            expect(!result.message, "a cancel says nothing");
            break;
        case kw::TransferOutcome::Failed:
            expect(result.message.has_value(), "a failure is explained");
            break;
    }
    if (refused) {
        expect(port.sent().empty(), "nothing is sent without the port");
        expect(
            result.message && result.message->text == std::variant<kw::MessageId, kw::BuiltInText>(
                                                          kw::MessageId::CouldNotOpenPort),
            "a refused port is reported as such");
    }
    if (direction == kw::TransferDirection::Write || result.outcome != kw::TransferOutcome::Done) {
        expect(document.image() == original, "the document is changed only by a finished Read");
    }
    return 0;
}
