#include "ReadoutTest.h"

#include "WindowRig.h"
#include "support/FakeDevice.h"

#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>
#include <memory>

using namespace kelvra;
using namespace kelvra::testing;

namespace {

// The window wired to a scripted device, as main() wires it to the real one.
struct Bench {
    uitest::WindowRig rig;
    TfrmMain& window = rig.window;
    TFKelvraDM& dm = rig.dm;
    ManualClock& clock = rig.clock;
    ScriptedEndpoint& endpoint = rig.endpoint;

    explicit Bench(const FakeDevice& device) { endpoint.setResponder(device.responder()); }
    QStringList stops() const {
        QStringList texts;
        for (const auto& box : rig.dialogs.stops()) {
            texts << box.text;
        }
        return texts;
    }
    std::size_t informations() const { return rig.dialogs.informations().size(); }
    void press() { window.btnBilgileriAl->click(); }
    QStringList log() const {
        QStringList lines = window.mmo->toPlainText().split('\n');
        for (QString& l : lines) {
            l = l.mid(8); // the time stamp
        }
        return lines;
    }
    QStringList settingsBoxes() const {
        QStringList texts;
        for (TCaptionedEdit* box :
             {window.cbSaat, window.cbTarih, window.cbOrtamIsiY, window.cbOrtamIsiD,
              window.cbNemYuksek, window.cbNemDusuk, window.cbBasincYuksek, window.cbBasincDusuk,
              window.cbDolapIsiYuksek, window.cbDolapIsiDusuk, window.cbYakinIsiYuksek,
              window.cbYakinIsiDusuk}) {
            texts << box->text();
        }
        return texts;
    }
};

FakeDevice WithSettings(const std::string& record) {
    FakeDevice device = FakeDevice::answeringReadout();
    device.replies["CSS"] = record;
    return device;
}

const QStringList kFullSettings{"12:30:05", "09.12.2026", "v4",  "v5",  "v6",  "v7",
                                "v8",       "v9",         "v10", "v11", "v12", "v13"};

} // namespace

void ReadoutTest::anAnsweringDeviceFillsEveryBox() {
    Bench b(FakeDevice::answeringReadout());
    b.window.yeniCihazIP->setText("192.168.1.251");
    b.press();

    QCOMPARE(b.stops(), QStringList{});
    QCOMPARE(b.informations(), std::size_t{0});
    QCOMPARE(b.window.EDTCIHAZID->text(), QString("KLV-2000"));
    QCOMPARE(b.window.cIP->text(), QString("192.168.1.200"));
    QCOMPARE(b.window.yeniCihazIP->text(), QString("192.168.1.200"));
    QCOMPARE(b.window.CPort->text(), QString("10001"));
    QCOMPARE(b.window.CMac->text(), QString("00.04.A3.12.34.56"));
    QCOMPARE(b.window.CGateway->text(), QString("192.168.1.1"));
    QCOMPARE(b.window.yeniVarsayilanAg->text(), QString("192.168.1.1"));
    QCOMPARE(b.window.cIPMask->text(), QString("255.255.255.0"));
    QCOMPARE(b.window.yeniAgGecidi->text(), QString("255.255.255.0"));
    QCOMPARE(b.window.cDNS->text(), QString("192.168.1.2"));
    QCOMPARE(b.window.yeniDNS->text(), QString("192.168.1.2"));
    QCOMPARE(b.settingsBoxes(), kFullSettings);
    QCOMPARE(b.window.CServerIP->text(), QString("10.0.0.9"));
    QCOMPARE(b.window.cServerPort->text(), QString("8080"));

    const QStringList expectedLog{
        " IP: 192.168.1.200 Port: 10001 cihaza bağlanıldı.",
        " CAS>>>KLV-2000|FW2.3|SN4711",
        " CAS KLV-2000|FW2.3|SN4711",
        " CPR>>>10001",
        " CMR>>>0.4.163.18.52.86",
        " CGR>>>192.168.1.1",
        " CKR>>>255.255.255.0",
        " CDR>>>192.168.1.2",
        " CSS>>>" + QString::fromStdString(SettingsRecord(14)),
        " CSR>>>10.0.0.9",
    };
    QCOMPARE(b.log(), expectedLog);
    QCOMPARE(b.endpoint.sentTexts(), (std::vector<std::string>{"COK", "CAS", "CPR", "CMR", "CGR",
                                                               "CKR", "CDR", "CSS", "CSR"}));
    // 900 ms in the connect and 600 ms around each of the eight replies.
    QCOMPARE(b.clock.elapsedMs(), 5700LL);
    // The settings record is what the list holds afterwards; every split reset the tally.
    QCOMPARE(b.dm.Fields().count(), std::size_t{14});
    QCOMPARE(b.dm.SetTally(), 0);
}

void ReadoutTest::aSilentDeviceEmptiesTheBoxesAndKeepsGoing() {
    FakeDevice silent;
    silent.handshakeReply = "";
    silent.setReply = "";
    Bench b(silent);
    // Left over from an earlier readout: none of it may survive.
    for (TCaptionedEdit* box :
         {b.window.EDTCIHAZID, b.window.CPort, b.window.CMac, b.window.CGateway, b.window.cbSaat,
          b.window.cbYakinIsiDusuk, b.window.CServerIP}) {
        box->setText("stale");
    }
    b.dm.SplitFields('.', "192.168.1.10", b.dm.Fields());
    b.press();

    QCOMPARE(b.stops(), QStringList{});
    QCOMPARE(b.window.EDTCIHAZID->text(), QString());
    for (TCaptionedEdit* box : {b.window.CPort, b.window.CMac, b.window.CGateway,
                                b.window.yeniVarsayilanAg, b.window.cIPMask, b.window.yeniAgGecidi,
                                b.window.cDNS, b.window.yeniDNS, b.window.CServerIP}) {
        QCOMPARE(box->text(), QString());
    }
    QCOMPARE(b.settingsBoxes(), QStringList(12, QString()));
    QCOMPARE(b.window.cServerPort->text(), QString("8080"));
    QCOMPARE(b.log(), (QStringList{" IP: 192.168.1.200 Port: 10001 cihaza bağlanılamadı.",
                                   " CAS>>>", " CAS ", " CPR>>>", " CMR>>>", " CGR>>>", " CKR>>>",
                                   " CDR>>>", " CSS>>>", " CSR>>>"}));
    // A silent connect and eight silent queries.
    QCOMPARE(b.clock.elapsedMs(), 2900LL + 8 * 2600LL);
}

void ReadoutTest::settingsRecordLengths_data() {
    QTest::addColumn<int>("items");
    QTest::addColumn<int>("filled");
    QTest::addColumn<QString>("stop");

    QTest::newRow("3 items") << 3 << 2 << "List index out of bounds (4)";
    QTest::newRow("4 items") << 4 << 2 << "List index out of bounds (4)";
    QTest::newRow("5 items") << 5 << 3 << "List index out of bounds (5)";
    QTest::newRow("13 items") << 13 << 11 << "List index out of bounds (13)";
    QTest::newRow("14 items") << 14 << 12 << "";
    QTest::newRow("15 items") << 15 << 12 << "";
}

void ReadoutTest::settingsRecordLengths() {
    QFETCH(int, items);
    QFETCH(int, filled);
    QFETCH(QString, stop);

    Bench b(WithSettings(SettingsRecord(items)));
    b.window.CServerIP->setText("before");
    b.window.cServerPort->setText("before");
    b.press();

    const QStringList boxes = b.settingsBoxes();
    QCOMPARE(boxes.mid(0, filled), kFullSettings.mid(0, filled));
    QCOMPARE(boxes.mid(filled), QStringList(12 - filled, QString()));
    if (stop.isEmpty()) {
        QCOMPARE(b.stops(), QStringList{});
        QCOMPARE(b.window.CServerIP->text(), QString("10.0.0.9"));
        QCOMPARE(b.window.cServerPort->text(), QString("8080"));
    } else {
        // The message ends in ")", which sorts before ".", so no full stop is added.
        QCOMPARE(b.stops(), QStringList{stop});
        QCOMPARE(b.window.CServerIP->text(), QString("before"));
        QCOMPARE(b.window.cServerPort->text(), QString("before"));
        QCOMPARE(b.endpoint.sentTexts().back(), std::string("CSS"));
    }
}

void ReadoutTest::aBlankInsideASettingsFieldShiftsThePositions() {
    Bench b(WithSettings("12:30:05|09 12 2026|a|b|35|5|80|20|1050|950|40|10|45|15"));
    b.press();
    QCOMPARE(b.stops(), QStringList{});
    QCOMPARE(b.settingsBoxes(), (QStringList{"12:30:05", "09", "a", "b", "35", "5", "80", "20",
                                             "1050", "950", "40", "10"}));
}

void ReadoutTest::macForms_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("stop");

    QTest::newRow("dotted") << "0.4.163.18.52.86"
                            << "00.04.A3.12.34.56"
                            << "";
    QTest::newRow("undotted") << "4A4B4C4D4E4F"
                              << "J.K.L.M.N.O"
                              << "";
    QTest::newRow("dotted crlf") << "0.4.163.18.52.86\r\n"
                                 << "00.04.A3.12.34.56"
                                 << "";
    QTest::newRow("short dotted") << "0.4.163.18.52"
                                  << "before"
                                  << "List index out of bounds (5)";
    QTest::newRow("bad number") << "0.4.x.18.52.86"
                                << "before"
                                << "'x' is not a valid integer value.";
}

void ReadoutTest::macForms() {
    QFETCH(QString, reply);
    QFETCH(QString, shown);
    QFETCH(QString, stop);

    FakeDevice device = FakeDevice::answeringReadout();
    device.replies["CMR"] = reply.toStdString();
    Bench b(device);
    b.window.CMac->setText("before");
    b.press();
    QCOMPARE(b.window.CMac->text(), shown);
    QCOMPARE(b.stops(), stop.isEmpty() ? QStringList{} : QStringList{stop});
}

void ReadoutTest::recordsWithoutDelimiter_data() {
    QTest::addColumn<QString>("identity");
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("deviceId");
    QTest::addColumn<QString>("clock");
    QTest::addColumn<QString>("stop");

    QTest::newRow("identity alone")
        << "KLV-2000" << QString::fromStdString(SettingsRecord(14)) << "KLV-2000"
        << "12:30:05"
        << "";
    QTest::newRow("empty identity") << "" << QString::fromStdString(SettingsRecord(14)) << ""
                                    << "12:30:05"
                                    << "";
    QTest::newRow("one-item settings") << "KLV-2000|x"
                                       << "12:30:05"
                                       << "KLV-2000"
                                       << "12:30:05"
                                       << "List index out of bounds (1)";
}

void ReadoutTest::recordsWithoutDelimiter() {
    QFETCH(QString, identity);
    QFETCH(QString, settings);
    QFETCH(QString, deviceId);
    QFETCH(QString, clock);
    QFETCH(QString, stop);

    FakeDevice device = FakeDevice::answeringReadout();
    device.replies["CAS"] = identity.toStdString();
    device.replies["CSS"] = settings.toStdString();
    Bench b(device);
    // The PC's address parts, as start-up leaves them, must never show as values.
    b.dm.SplitFields('.', "192.168.1.10", b.dm.Fields());
    b.press();
    QCOMPARE(b.window.EDTCIHAZID->text(), deviceId);
    QCOMPARE(b.window.cbSaat->text(), clock);
    QCOMPARE(b.stops(), stop.isEmpty() ? QStringList{} : QStringList{stop});
}

void ReadoutTest::aBadPortEndsTheReadoutBeforeAnythingIsSent() {
    Bench b(FakeDevice::answeringReadout());
    b.window.cihazPort->setText("10001 ");
    b.press();
    QCOMPARE(b.stops(), QStringList{"'10001 ' is not a valid integer value."});
    QVERIFY(b.endpoint.sentTexts().empty());
    QCOMPARE(b.window.mmo->toPlainText(), QString());
    QCOMPARE(b.window.EDTCIHAZID->text(), QString());
}

void ReadoutTest::aCrLfIdentityIsLoggedTwice() {
    FakeDevice device = FakeDevice::answeringReadout();
    device.replies["CAS"] = "KLV-2000|FW2.3\r\n";
    Bench b(device);
    b.press();
    const QString log = b.window.mmo->toPlainText();
    // The extra line carries the reply without its CR LF, straight before the next line.
    QVERIFY(log.contains(" CAS KLV-2000|FW2.3\n"));
    QCOMPARE(b.window.EDTCIHAZID->text(), QString("KLV-2000"));
    QCOMPARE(b.window.mmo->toPlainText().count(" CAS"), 2);
}
