#pragma once
// The radio's end of the cable: a pseudo-terminal whose slave device the program opens.
// We keep a slave descriptor of our own open for the whole run, since a master reads
// EIO once the last slave closes and the program opens and closes it for each transfer.

#include <optional>
#include <string>

namespace kw::sim {

class PseudoTerminal {
  public:
    // Nothing, with the reason in `error`, when no pseudo-terminal can be had.
    [[nodiscard]] static std::optional<PseudoTerminal> open(std::string& error);

    PseudoTerminal(PseudoTerminal&& other) noexcept;
    PseudoTerminal& operator=(PseudoTerminal&&) = delete;
    PseudoTerminal(const PseudoTerminal&) = delete;
    ~PseudoTerminal();

    int master() const { return master_; }
    const std::string& devicePath() const { return devicePath_; }
    // Pulls the cable: the program's next read or write on the device fails.
    void close();

  private:
    PseudoTerminal(int master, int slave, std::string devicePath)
        : master_(master), slave_(slave), devicePath_(std::move(devicePath)) {}

    int master_ = -1;
    int slave_ = -1;
    std::string devicePath_;
};

}  // namespace kw::sim
