#pragma once

#include "cli/DeviceList.h"
#include "link/Ports.h"

#include <functional>
#include <string>

namespace kelvra::cli {

// The operator's window as one device's run sees it: log lines go to a writer,
// the connection fields are that device's, and an information box waits for no
// one: the run takes each operation's outcome from the operation itself.
class ScriptConsole : public OperatorConsole {
public:
    using LineWriter = std::function<void(const std::string& line)>;

    ScriptConsole(DeviceTarget device, LineWriter logWriter)
        : device_(std::move(device)), logWriter_(std::move(logWriter)) {}

    void appendLog(const std::string& line) override { logWriter_(line); }
    std::string deviceAddressText() const override { return device_.host; }
    std::string devicePortText() const override { return device_.portText; }
    void showInformation(const std::string&) override {}

private:
    DeviceTarget device_;
    LineWriter logWriter_;
};

} // namespace kelvra::cli
