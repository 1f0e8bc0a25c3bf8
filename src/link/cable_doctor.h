#pragma once
// The cable doctor: what stands between this user and the radio's port on this machine.
// Every check reads files only (/dev, /sys, /proc, /etc/group, the programs installed),
// all under one root folder, so tests run them over a made-up tree.

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace kw {

enum class CheckVerdict { Ok, Problem, Note };

struct CheckLine {
    CheckVerdict verdict;
    std::string text;  // one sentence; a problem's ends with what to do

    friend bool operator==(const CheckLine&, const CheckLine&) = default;
};

// "ok: ...", "problem: ...", "note: ...".
[[nodiscard]] std::string checkLineText(const CheckLine& line);
[[nodiscard]] bool anyProblem(const std::vector<CheckLine>& lines);

// The machine as the checks see it.
struct SystemView {
    std::string root = "/";
    uid_t uid = 0;
    std::vector<gid_t> groups;  // the process's own groups, the primary one among them
    std::string userName;
    pid_t ownPid = 0;  // our own process holds nothing worth reporting

    // This process on this machine.
    [[nodiscard]] static SystemView current();
};

// Without a port: the serial devices and what may take them. With one: also whether this
// user may open it now and whether another process holds it.
[[nodiscard]] std::vector<CheckLine> cableChecks(const SystemView& system,
                                                 const std::optional<std::string>& portName);

}  // namespace kw
