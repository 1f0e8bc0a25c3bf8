#pragma once
// --trace FILE: every byte of the command's sessions recorded in FILE.

#include <memory>
#include <optional>

#include "command.h"
#include "link/protocol_trace.h"

namespace kw::cli {

inline constexpr Option kTraceOption{"trace"};
inline constexpr OptionHelp kTraceHelp{"--trace FILE",
                                       "record every byte sent and received in FILE"};

// The trace --trace asks for (a null one when it is not given); nothing, reported on the
// error stream, when the file cannot be written. A trace that loses lines warns at its end.
[[nodiscard]] std::optional<std::shared_ptr<ProtocolTrace>> traceOf(const Arguments& arguments,
                                                                    CommandContext& context);

}  // namespace kw::cli
