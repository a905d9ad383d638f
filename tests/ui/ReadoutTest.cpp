// "Bilgileri Al" against scripted devices in virtual time.

#include "support/ErrorText.h"
#include "support/FakeDevice.h"
#include "ui/UiSuites.h"
#include "ui/WindowRig.h"

#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>
#include <memory>

namespace kelvra::uitest {

using test::FakeDevice;
using test::SettingsRecord;

namespace {

// The window on a device, read out with one press of the button.
struct Readout : WindowRig {
    explicit Readout(const FakeDevice& device) { endpoint.setResponder(device.responder()); }
    void press() { window.btnBilgileriAl->click(); }
    // The texts of the boxes named, blank-separated.
    QStringList texts(const char* names) const { return test::BoxTexts(window, names); }
    QStringList settingsBoxes() const {
        return texts(
            "cbSaat cbTarih cbOrtamIsiY cbOrtamIsiD cbNemYuksek cbNemDusuk cbBasincYuksek "
            "cbBasincDusuk cbDolapIsiYuksek cbDolapIsiDusuk cbYakinIsiYuksek cbYakinIsiDusuk");
    }
};

FakeDevice Answering(const std::string& command, const std::string& reply) {
    FakeDevice device = FakeDevice::answeringReadout();
    device.replies[command] = reply;
    return device;
}

const QStringList kFullSettings{"12:30:05", "09.12.2026", "v4",  "v5",  "v6",  "v7",
                                "v8",       "v9",         "v10", "v11", "v12", "v13"};

// One reply changed from the answering device's, the box that shows it and the stop
// box's text ("" for none).
struct OneReply {
    const char* name;
    const char* command;
    const char* reply;
    const char* box;
    const char* shown;
    const char* stop;
};

const OneReply kReplies[] = {
    {"dotted MAC", "CMR", "0.4.163.18.52.86", "CMac", "00.04.A3.12.34.56", ""},
    {"undotted MAC", "CMR", "4A4B4C4D4E4F", "CMac", "J.K.L.M.N.O", ""},
    {"short dotted MAC", "CMR", "0.4.163.18.52", "CMac", "before", "List index out of bounds (5)"},
    // A record without "|" is one item, never the leftovers of an earlier split.
    {"identity alone", "CAS", "KLV-2000", "EDTCIHAZID", "KLV-2000", ""},
    {"one-item settings", "CSS", "12:30:05", "cbSaat", "12:30:05", "List index out of bounds (1)"},
};

} // namespace

class ReadoutTest : public QObject {
    Q_OBJECT

private slots:
    void anAnsweringDeviceFillsEveryBox() {
        Readout r(FakeDevice::answeringReadout());
        r.window.yeniCihazIP->setText("192.168.1.251");
        // Narrower than the MAC in any font, so that its tool-tip must show it.
        r.window.CMac->resize(40, r.window.CMac->height());
        r.press();

        QVERIFY(r.dialogs.stops.empty());
        QVERIFY(r.dialogs.informations.empty());
        QCOMPARE(r.texts("EDTCIHAZID cIP yeniCihazIP CPort CMac CGateway yeniVarsayilanAg cIPMask "
                         "yeniAgGecidi cDNS yeniDNS CServerIP cServerPort"),
                 (QStringList{"KLV-2000", "192.168.1.200", "192.168.1.200", "10001",
                              "00.04.A3.12.34.56", "192.168.1.1", "192.168.1.1", "255.255.255.0",
                              "255.255.255.0", "192.168.1.2", "192.168.1.2", "10.0.0.9", "8080"}));
        QCOMPARE(r.settingsBoxes(), kFullSettings);
        // Wider than its box, the MAC shows whole in the box's tool-tip.
        QCOMPARE(r.window.CMac->toolTip(), QString("00.04.A3.12.34.56"));

        QCOMPARE(LogLinesWithoutTime(r.window),
                 (QStringList{Utf8(" IP: 192.168.1.200 Port: 10001 cihaza bağlanıldı."),
                              " CAS>>>KLV-2000|FW2.3|SN4711", " CAS KLV-2000|FW2.3|SN4711",
                              " CPR>>>10001", " CMR>>>0.4.163.18.52.86", " CGR>>>192.168.1.1",
                              " CKR>>>255.255.255.0", " CDR>>>192.168.1.2",
                              " CSS>>>" + QString::fromStdString(SettingsRecord(14)),
                              " CSR>>>10.0.0.9"}));
        // The handshake and one query per reply the boxes show (the link suite pins them).
        QCOMPARE(r.endpoint.sent().size(), test::kReadoutDatagrams.size());
        QCOMPARE(r.endpoint.sent().front().text, std::string("COK"));
        QCOMPARE(r.clock.elapsedMs(), static_cast<long long>(kReadoutPausesMs));
        // The settings record is what the list holds afterwards; every split reset the tally.
        QCOMPARE(r.dm.Fields().count(), std::size_t{14});
        QCOMPARE(r.dm.SetTally(), 0);
    }

    void aSilentDeviceEmptiesTheBoxesAndKeepsGoing() {
        FakeDevice silent;
        silent.handshakeReply = "";
        silent.setReply = "";
        Readout r(silent);
        // Left over from an earlier readout: none of it may survive.
        const char* stale = "EDTCIHAZID CPort CMac CGateway yeniVarsayilanAg cIPMask yeniAgGecidi "
                            "cDNS yeniDNS CServerIP cbSaat cbYakinIsiDusuk";
        for (const QString& name : QString(stale).split(' ')) {
            r.window.findChild<TCaptionedEdit*>(name)->setText("stale");
        }
        r.dm.SplitFields('.', "192.168.1.10", r.dm.Fields());
        r.press();

        QVERIFY(r.dialogs.stops.empty());
        QCOMPARE(r.texts(stale), QStringList(12, QString()));
        QCOMPARE(r.settingsBoxes(), QStringList(12, QString()));
        QCOMPARE(r.window.cServerPort->text(), QString("8080"));
        QCOMPARE(LogLinesWithoutTime(r.window),
                 (QStringList{Utf8(" IP: 192.168.1.200 Port: 10001 cihaza bağlanılamadı."),
                              " CAS>>>", " CAS ", " CPR>>>", " CMR>>>", " CGR>>>", " CKR>>>",
                              " CDR>>>", " CSS>>>", " CSR>>>"}));
        // A silent connect and every read silent.
        QCOMPARE(r.clock.elapsedMs(), protocol::kConnectSettleMs + protocol::kReceiveTimeoutMs +
                                          kReadCommandCount * test::kSilentReadMs);
    }

    void settingsRecordLengths_data() {
        QTest::addColumn<int>("items");
        QTest::addColumn<int>("filled");
        QTest::addColumn<QString>("stop");

        // The message ends in ")", which sorts before ".", so no full stop is added.
        QTest::newRow("3 items") << 3 << 2 << "List index out of bounds (4)";
        QTest::newRow("4 items") << 4 << 2 << "List index out of bounds (4)";
        QTest::newRow("5 items") << 5 << 3 << "List index out of bounds (5)";
        QTest::newRow("14 items") << 14 << 12 << "";
        QTest::newRow("15 items") << 15 << 12 << "";
    }
    void settingsRecordLengths() {
        QFETCH(int, items);
        QFETCH(int, filled);
        QFETCH(QString, stop);

        Readout r(Answering("CSS", SettingsRecord(items)));
        r.window.CServerIP->setText("before");
        r.press();

        QCOMPARE(r.settingsBoxes().mid(0, filled), kFullSettings.mid(0, filled));
        QCOMPARE(r.settingsBoxes().mid(filled), QStringList(12 - filled, QString()));
        QCOMPARE(r.dialogs.stopTexts(), stop.isEmpty() ? QStringList() : QStringList{stop});
        // An error ends the readout before the server address is asked for.
        QCOMPARE(r.window.CServerIP->text(), QString(stop.isEmpty() ? "10.0.0.9" : "before"));
    }

    void aBlankInsideASettingsFieldShiftsThePositions() {
        Readout r(Answering("CSS", "12:30:05|09 12 2026|a|b|35|5|80|20|1050|950|40|10|45|15"));
        r.press();
        QVERIFY(r.dialogs.stops.empty());
        QCOMPARE(r.settingsBoxes(), (QStringList{"12:30:05", "09", "a", "b", "35", "5", "80", "20",
                                                 "1050", "950", "40", "10"}));
    }

    void oneReply_data() { AddRows(kReplies); }
    void oneReply() {
        const OneReply& o = Row(kReplies);
        Readout r(Answering(o.command, o.reply));
        auto* box = r.window.findChild<TCaptionedEdit*>(o.box);
        QVERIFY(box != nullptr);
        box->setText("before");
        // The parts of an earlier split of the PC's address must never show as values.
        r.dm.SplitFields('.', "192.168.1.10", r.dm.Fields());
        r.press();
        QCOMPARE(box->text(), QString(o.shown));
        QCOMPARE(r.dialogs.stopTexts(), *o.stop ? QStringList{o.stop} : QStringList());
    }

    void aBadPortEndsTheReadoutBeforeAnythingIsSent() {
        Readout r(FakeDevice::answeringReadout());
        r.window.cihazPort->setText("10001 ");
        r.press();
        QCOMPARE(r.dialogs.stopTexts(),
                 QStringList{QString::fromStdString(test::ConvertMessage("10001 ") + ".")});
        QVERIFY(r.endpoint.sent().empty());
        QVERIFY(r.window.mmo->toPlainText().isEmpty());
        QVERIFY(r.window.EDTCIHAZID->text().isEmpty());
    }

    void aCrLfIdentityIsLoggedTwiceTheSecondTimeWithout() {
        Readout r(Answering("CAS", "KLV-2000|FW2.3\r\n"));
        r.press();
        const QStringList log = LogLinesWithoutTime(r.window);
        // The reply's own line break shows; the extra line carries the reply without it.
        QCOMPARE(log.mid(1, 4),
                 (QStringList{" CAS>>>KLV-2000|FW2.3", "", " CAS KLV-2000|FW2.3", " CPR>>>10001"}));
        QCOMPARE(r.window.EDTCIHAZID->text(), QString("KLV-2000"));
    }
};

std::unique_ptr<QObject> MakeReadoutTest() {
    return std::make_unique<ReadoutTest>();
}

} // namespace kelvra::uitest

#include "ReadoutTest.moc"
