#include "link/DeviceReadout.h"
#include "link/KelvraDM.h"
#include "ui/Main.h"
#include "ui/ReadoutBoxes.h"

#include <QString>
#include <QVariant>

namespace kelvra {

namespace {

// Shows a value from its start: a MAC or a record item may be wider than its box.
void Show(TCaptionedEdit* box, const std::string& text) {
    box->setText(QString::fromStdString(text));
    box->setCursorPosition(0);
}

// A box's shown value, kept as a property of the box.
constexpr const char* kShownFieldProperty = "kelvraReadoutField";

} // namespace

void SetShownField(QObject& box, ReadoutField field) {
    box.setProperty(kShownFieldProperty, static_cast<int>(field));
}

std::optional<ReadoutField> ShownField(const QObject& box) {
    const QVariant field = box.property(kShownFieldProperty);
    if (!field.isValid()) {
        return std::nullopt;
    }
    return static_cast<ReadoutField>(field.toInt());
}

// Reads the whole device into the window, box by box as the values arrive, so an
// error shows every value read before it. The readout goes on whether the handshake
// was answered or not.
void TfrmMain::btnBilgileriAlClick() {
    if (dataModule_ == nullptr) {
        return;
    }
    // Each value goes to every box whose row shows it.
    const QList<TCaptionedEdit*> boxes = findChildren<TCaptionedEdit*>();
    ReadDeviceInformation(*dataModule_, cihazIP->text().toStdString(),
                          cihazPort->text().toStdString(),
                          [&boxes](ReadoutField field, const std::string& value) {
                              for (TCaptionedEdit* box : boxes) {
                                  if (ShownField(*box) == field) {
                                      Show(box, value);
                                  }
                              }
                          });
}

} // namespace kelvra
