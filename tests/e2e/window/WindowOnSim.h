#pragma once

// The real window wired as the program wires it (real endpoint and clock, the
// window as their wait listener), aimed at a fresh simulator on loopback.

#include "e2e/support/SimProcess.h"
#include "link/KelvraDM.h"
#include "net/SystemClock.h"
#include "net/UdpEndpoint.h"
#include "support/FakeHostNetwork.h"
#include "support/qt/RecordingDialogs.h"
#include "ui/Main.h"

#include <string>
#include <vector>

namespace kelvra::e2e {

struct WindowOnSim {
    explicit WindowOnSim(std::vector<std::string> simSwitches = {}) : sim(std::move(simSwitches)) {
        window.attachDataModule(dm);
        window.cihazIP->setText("127.0.0.1");
        window.cihazPort->setText(QString::fromStdString(sim.portText()));
    }
    SimProcess sim;
    net::UdpEndpoint endpoint;
    net::SystemClock clock;
    test::FakeHostNetwork network; // the PC in 192.168.1.x
    test::RecordingDialogs dialogs;
    TfrmMain window{dialogs};
    TFKelvraDM dm{endpoint, clock, window, network, &window};
};

} // namespace kelvra::e2e
