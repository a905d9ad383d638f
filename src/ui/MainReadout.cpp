#include "ui/Main.h"

namespace kelvra {

void TfrmMain::btnBilgileriAlClick() {}

} // namespace kelvra
