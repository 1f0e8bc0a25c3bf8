#include <iomanip>

#include "commands.h"
#include "exit_status.h"
#include "link/port_names.h"
#include "link/posix_serial_port.h"
#include "link/serial_devices.h"

namespace kw::cli {
namespace {

std::string_view statusText(PortStatus status) {
    switch (status) {
        case PortStatus::Free:
            return "free";
        case PortStatus::Busy:
            return "busy";
        case PortStatus::Absent:
            return "absent";
        case PortStatus::NoPermission:
            return "no permission";
        case PortStatus::NotSerial:
            return "not a serial device";
        case PortStatus::Unusable:
            break;
    }
    return "cannot be opened";
}

int runPorts(const Arguments&, CommandContext& context) {
    for (int number = 1; number <= kPortCount; ++number) {
        const std::string name = portNameOf(number);
        context.out << std::left << std::setw(6) << name << std::setw(14) << *deviceOf(name)
                    << statusText(probePort(name)) << '\n';
    }
    const auto others = otherSerialDevices();
    if (!others.empty()) {
        context.out << "Other serial devices:\n";
        for (const std::string& device : others) {
            context.out << device << "  " << statusText(probePort(device)) << '\n';
        }
    }
    return kDone;
}

}  // namespace

constexpr std::array<std::string_view, 2> kExamples{"kwprog-cli ports",
                                                    "kwprog-cli ports | grep free"};

const Command kPortsCommand{
    "ports",
    "",
    {},
    0,
    0,
    runPorts,
    {"Lists COM1-COM16, their device files and whether each is free.", {}, kExamples, {}}};

}  // namespace kw::cli
