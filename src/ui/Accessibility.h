#pragma once

// What an operator without a mouse, or with a screen reader, needs beyond what Qt
// gives a plain window.

class QAbstractButton;
class QWidget;

namespace kelvra {

// Enter and Return press the button as Space does. Outside a dialog Qt gives
// these keys to no button.
void PressOnEnter(QAbstractButton& button);

// A caption that stands beside more than one box in the window names each of
// them after its groups as well, outermost first: "Set Bilgileri, Nem, En Yüksek".
// A caption used once names its box through the buddy link alone.
void NameRepeatedCaptions(QWidget& window);

} // namespace kelvra
