#include "link/trace_preference.h"

namespace kw {

TracePreference readTracePreference(const SettingsStore& settings) {
    return {settings.read(settings::kTrace).value_or(settings::kTrace.defaultValue) != 0,
            settings.read(settings::kTraceFile).value_or(std::string())};
}

FileWriteResult storeTracePreference(const SettingsStore& settings,
                                     const TracePreference& preference) {
    if (FileWriteResult written = settings.write(settings::kTrace, preference.on ? 1 : 0);
        !written) {
        return written;
    }
    return settings.write(settings::kTraceFile, preference.file);
}

std::shared_ptr<ProtocolTrace> traceFor(const TracePreference& preference, std::string& error) {
    if (!preference.on || preference.file.empty()) {
        return nullptr;
    }
    return ProtocolTrace::create(preference.file, error);
}

}  // namespace kw
