#include "trace_option.h"

namespace kw::cli {

std::optional<std::shared_ptr<ProtocolTrace>> traceOf(const Arguments& arguments,
                                                      CommandContext& context) {
    if (!arguments.has(kTraceOption.name)) {
        return std::shared_ptr<ProtocolTrace>();
    }
    std::string error;
    auto trace = ProtocolTrace::create(arguments.value(kTraceOption.name), error);
    if (!trace) {
        context.err << error << '\n';
        return std::nullopt;
    }
    return trace;
}

}  // namespace kw::cli
