#include "link/KelvraDM.h"
#include "ui/Main.h"

namespace kelvra {

// The device clock from the PC clock, not from the date-time box.
void TfrmMain::btnTarihSaatSetClick() {
    if (dataModule_ == nullptr) {
        return;
    }
    dataModule_->SetDeviceClock();
}

} // namespace kelvra
