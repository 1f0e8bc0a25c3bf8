#include "link/program_port.h"

namespace kw {

ProgramPort::ProgramPort(std::optional<std::string> commandLinePort)
    : commandLinePort_(std::move(commandLinePort)),
      name_(commandLinePort_.value_or(std::string(kStartPortName))) {}

void ProgramPort::onViewCreated(const std::optional<StoredPort>& stored) {
    if (!commandLinePort_) {
        name_ = portNameFromStored(stored);
    }
}

void ProgramPort::choose(const PortSettingRules::Choice& choice) {
    commandLinePort_.reset();
    name_ = choice.portName;
}

std::optional<StoredPort> readStoredPort(const SettingsStore& settings) {
    if (const auto number = settings.read(settings::kComNumber)) {
        return StoredPort{*number};
    }
    if (auto path = settings.read(settings::kComDevice)) {
        return StoredPort{std::move(*path)};
    }
    return std::nullopt;
}

FileWriteResult storePort(const SettingsStore& settings, const StoredPort& port) {
    if (const auto* number = std::get_if<std::uint32_t>(&port)) {
        return settings.write(settings::kComNumber, *number);
    }
    return settings.write(settings::kComDevice, std::get<std::string>(port));
}

}  // namespace kw
