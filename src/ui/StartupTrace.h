#pragma once
// The start-up's phases, for the start-up benchmark: each a line on the logging
// category "kelvra.startup", which is off unless QT_LOGGING_RULES turns it on
// ("kelvra.startup.debug=true"). A line holds the wall clock in milliseconds
// since the epoch, so that the benchmark can set it against the process start.

#include "link/Ports.h"

#include <QObject>

namespace kelvra {

void TraceStartup(const char* phase);

// The host network with each call's start and end traced.
class TracedHostNetwork final : public HostNetwork {
public:
    explicit TracedHostNetwork(HostNetwork& inner) : inner_(inner) {}

    bool localIp(std::string& text) override;
    std::string localIpText() override;
    bool ping(const std::string& text) override;
    bool hardwareAddressKnown(const std::string& text) override;

private:
    HostNetwork& inner_;
};

// Traces the first paint of the object it filters, then stays silent.
class FirstPaintTrace final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool painted_ = false;
};

} // namespace kelvra
