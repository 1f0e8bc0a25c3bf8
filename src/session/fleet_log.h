#pragma once
// The log of a fleet: CSV, the header line when the file is new, then one line per radio,
// appended as each ends and on disk at once, so an interrupted run keeps every line.

#include <memory>
#include <string>

#include "session/parallel_writes.h"

namespace kw {

class FleetLog {
  public:
    // Opens `path` for appending, creating it with its header; nothing, with the reason
    // in `error`, when it cannot.
    [[nodiscard]] static std::unique_ptr<FleetLog> open(const std::string& path,
                                                        std::string& error);
    ~FleetLog();
    FleetLog(const FleetLog&) = delete;
    FleetLog& operator=(const FleetLog&) = delete;

    // time,port,radio,model,result,seconds,backup; false when the line could not be written.
    bool append(const RadioReport& report, const std::string& portName, const std::string& model);

  private:
    explicit FleetLog(int fd) : fd_(fd) {}
    bool put(const std::string& text);

    int fd_;
};

}  // namespace kw
