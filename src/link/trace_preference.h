#pragma once
// The desktop program's protocol trace preference, kept in the per-user settings.

#include <memory>
#include <string>

#include "link/protocol_trace.h"
#include "platform/settings_store.h"

namespace kw {

struct TracePreference {
    bool on = false;
    std::string file;  // kept while tracing is off, for the next time

    friend bool operator==(const TracePreference&, const TracePreference&) = default;
};

[[nodiscard]] TracePreference readTracePreference(const SettingsStore& settings);
FileWriteResult storeTracePreference(const SettingsStore& settings,
                                     const TracePreference& preference);

// The trace the preference asks for: none when it is off or names no file. Nothing, with
// the reason in `error`, when the file cannot be written.
[[nodiscard]] std::shared_ptr<ProtocolTrace> traceFor(const TracePreference& preference,
                                                      std::string& error);

}  // namespace kw
