#pragma once
// A simulated radio on its own pseudo-terminal, run by a thread of the test.

#include <gtest/gtest.h>
#include <unistd.h>

#include <stdexcept>
#include <thread>

#include "radio_line.h"

namespace kw::test {

inline sim::PseudoTerminal openPseudoTerminal() {
    std::string error;
    auto line = sim::PseudoTerminal::open(error);
    if (!line) {
        throw std::runtime_error(error);
    }
    return std::move(*line);
}

class SimThread {
  public:
    explicit SimThread(const RadioImage& image, sim::Fault fault = {},
                       sim::LineOptions options = {})
        : line_(openPseudoTerminal()), radio_(sim::memoryFromImage(image), fault) {
        if (::pipe(stop_) != 0) {
            throw std::runtime_error("no pipe");
        }
        options_ = std::move(options);
        options_.stopFd = stop_[0];
        device_ = line_.devicePath();
        thread_ = std::thread([this] { end_ = sim::runRadioLine(line_, radio_, options_); });
    }

    ~SimThread() {
        stop();
        ::close(stop_[0]);
        ::close(stop_[1]);
    }

    const std::string& device() const { return device_; }

    // Ends the run (if the line has not ended it already) and gives the radio's memory.
    const sim::RadioMemory& stop() {
        if (thread_.joinable()) {
            const char byte = 0;
            (void)::write(stop_[1], &byte, 1);
            thread_.join();
        }
        return radio_.memory();
    }

    sim::LineEnd end() {
        stop();
        return end_;
    }

  private:
    sim::PseudoTerminal line_;
    sim::SimulatedRadio radio_;
    sim::LineOptions options_;
    int stop_[2] = {-1, -1};
    std::string device_;
    std::thread thread_;
    sim::LineEnd end_ = sim::LineEnd::Stopped;
};

}  // namespace kw::test
