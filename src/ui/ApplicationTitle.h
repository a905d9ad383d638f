#pragma once

// The program's two names: the application title captions every message box, the
// window caption is what the window's own title bar reads.

namespace kelvra {

inline constexpr const char* kApplicationTitle = "KELVRA  WIZARD - PALVANE";
inline constexpr const char* kWindowCaption = "ZOLT KELVRA WIZARD";

} // namespace kelvra
