#include "trace_option.h"

#include "output_target.h"

namespace kw::cli {

std::optional<std::shared_ptr<ProtocolTrace>> traceOf(const Arguments& arguments,
                                                      CommandContext& context) {
    if (!arguments.has(kTraceOption.name)) {
        return std::shared_ptr<ProtocolTrace>();
    }
    const std::string path = arguments.value(kTraceOption.name);
    if (isAnotherFileOfTheCommand(path, kTraceOption.name, arguments, context)) {
        return std::nullopt;
    }
    std::string error;
    auto trace = ProtocolTrace::create(path, error);
    if (!trace) {
        context.err << error << '\n';
        return std::nullopt;
    }
    // Once the command is done with the trace, a trace that lost lines is told.
    std::ostream& err = context.err;
    return std::shared_ptr<ProtocolTrace>(trace.get(), [trace, path, &err](ProtocolTrace*) {
        if (const std::string failure = trace->failure(); !failure.empty()) {
            err << "Warning: the trace \"" << path << "\" is incomplete: " << failure << ".\n";
        }
    });
}

}  // namespace kw::cli
