#pragma once

#include <QObject>

// "Bilgileri Al" against scripted devices in virtual time.
class ReadoutTest : public QObject {
    Q_OBJECT

private slots:
    void anAnsweringDeviceFillsEveryBox();
    void aSilentDeviceEmptiesTheBoxesAndKeepsGoing();
    void settingsRecordLengths_data();
    void settingsRecordLengths();
    void aBlankInsideASettingsFieldShiftsThePositions();
    void macForms_data();
    void macForms();
    void recordsWithoutDelimiter_data();
    void recordsWithoutDelimiter();
    void aBadPortEndsTheReadoutBeforeAnythingIsSent();
    void aCrLfIdentityIsLoggedTwice();
};
