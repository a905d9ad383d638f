#include "support/ErrorText.h"
#include "support/FakeDevice.h"
#include "ui/UiSuites.h"
#include "ui/WaitCursor.h"
#include "ui/WindowRig.h"

#include <QApplication>
#include <QDateTime>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

namespace kelvra::uitest {

namespace {

// A port text, an error for the send to throw ("" for none) and the stop box's text.
struct Failure {
    const char* name;
    const char* port;
    const char* failSend;
    std::string stop;
};

const Failure kFailures[] = {
    {"trailing blank in the port", "10001 ", "", test::ConvertMessage("10001 ") + "."},
    {"socket error at the send", "10001", "Socket Error # 10065\r\nNo route to host",
     "Socket Error # 10065\r\nNo route to host."},
    {"message ending in a full stop", "10001", "Host not found.", "Host not found."},
};

// A limit or calibration press: the button, the boxes' texts ("-" for no low box),
// the datagrams sent and the stop box's text.
struct LimitPress {
    const char* name;
    const char* button;
    const char* high;
    const char* highText;
    const char* low;
    const char* lowText;
    const char* sent;
    std::string stop;
};

const LimitPress kLimitPresses[] = {
    {"cabinet pair", "btnDolapIsiSet", "cbDolapIsiYuksek", "30", "cbDolapIsiDusuk", "-10",
     "CFHS30F CFLS10FN", ""},
    {"humidity with a plus sign", "btnNem", "cbNemYuksek", "+7", "cbNemDusuk", "40",
     "CHHS+7F CHLS40F", ""},
    // Both boxes are converted before either goes out.
    {"pressure, empty low box", "btnBasinc", "cbBasincYuksek", "1050", "cbBasincDusuk", "", "",
     test::ConvertMessage("") + "."},
    {"pressure pair", "btnBasinc", "cbBasincYuksek", "1050", "cbBasincDusuk", "950",
     "CPHS1050F CPLS950F", ""},
    {"near pair", "btnYakinIsi", "cbYakinIsiYuksek", "45", "cbYakinIsiDusuk", "-5",
     "CNHS45F CNLS5FN", ""},
    {"ambient pair, hexadecimal high", "btnOrtamIsi", "cbOrtamIsiY", "$1F", "cbOrtamIsiD", "007",
     "CTHS31F CTLS007F", ""},
    {"near, bad high box", "btnYakinIsi", "cbYakinIsiYuksek", "2.5", "cbYakinIsiDusuk", "1", "",
     test::ConvertMessage("2.5") + "."},
    {"calibration minus box, negative", "btnKalibrasyonEksi", "cbKalibrasyonEksi", "-3", "-", "",
     "CFVS3FN", ""},
    {"calibration plus box", "btnKalibrasyonArti", "cbKalibrasyonArti", "3", "-", "", "CFVS3F", ""},
};

// "Cihaza Uygula": the PC's address, the new device address, the DNS box, how the
// device answers, the boxes shown, the set commands sent ("N commands" when all
// four addresses went out) and the stop box's text.
struct ApplyPress {
    const char* name;
    const char* pc;
    const char* newAddress;
    const char* dns;
    const char* device; // "prompt", "refusing", "no handshake"
    const char* boxes;  // "|"-separated
    const char* sent;
    const char* stop;
};

const ApplyPress kApplyPresses[] = {
    {"same group", "192.168.1.10", "192.168.1.50", "192.168.1.1", "prompt",
     "Cihazın Enerjisini Kapatıp Tekrar Açınız.", "20 commands", ""},
    {"other network", "192.168.1.10", "10.0.0.5", "192.168.1.1", "prompt",
     "Cihaza Verilen IP Adresi grubu ile bilgisayar ip adres grubu farklı.|Cihazın Enerjisini "
     "Kapatıp Tekrar Açınız.",
     "20 commands", ""},
    {"part typed with a zero", "192.168.1.10", "192.168.01.5", "192.168.1.1", "prompt",
     "Cihaza Verilen IP Adresi grubu ile bilgisayar ip adres grubu farklı.|Cihazın Enerjisini "
     "Kapatıp Tekrar Açınız.",
     "20 commands", ""},
    {"every command refused", "192.168.1.10", "192.168.1.50", "192.168.1.1", "refusing",
     "Yeni IP Adresi Set Edilemedi!|Alt Ağ Maskesi Set Edilemedi!|Varsayılan Ağ Geçidi Set "
     "Edilemedi!|DNS Set Edilemedi!|Cihazın Enerjisini Kapatıp Tekrar Açınız.",
     "16 commands", ""},
    {"last part 0", "192.168.1.10", "192.168.1.0", "192.168.1.1", "prompt",
     "Cihaza Verilen IP bilgisinin son bölümü 0 olamaz.", "", ""},
    {"loopback", "192.168.1.10", "127.0.0.5", "192.168.1.1", "prompt",
     "Cihaza Verilen IP Adresi grubu ile bilgisayar ip adres grubu farklı.|Cihaza Verilen IP "
     "bilgisi 127 ile başlayamaz.",
     "", ""},
    {"part of four digits", "192.168.1.10", "0127.0.0.1", "192.168.1.1", "prompt", "", "",
     "Yeni IP Adresi geçerli bir IP adresi değil: 0127.0.0.1."},
    {"DNS with an empty part", "192.168.1.10", "192.168.1.50", "192.168.1.", "prompt", "", "",
     "DNS geçerli bir IP adresi değil: 192.168.1."},
    {"no handshake", "192.168.1.10", "192.168.1.50", "192.168.1.1", "no handshake", "", "", ""},
    {"short DNS", "192.168.1.10", "192.168.1.50", "192.168.1", "prompt", "", "",
     "List index out of bounds (3)"},
    {"empty new address", "192.168.1.10", "", "192.168.1.1", "prompt", "", "",
     "List index out of bounds (0)"},
    {"PC address unknown", "ERROR_WINSOCK", "192.168.1.50", "192.168.1.1", "prompt", "", "",
     "List index out of bounds (0)"},
};

// A per-field button, its box's text, the result box and the first set command.
struct FieldPress {
    const char* name;
    const char* button;
    const char* box;
    const char* value;
    const char* shown;
    const char* first;
};

const FieldPress kFieldPresses[] = {
    {"server", "BTNServerIP", "UzakIP", "192.168.1.1",
     "Modem IP Adresi 192.168.1.1 olarak set edildi. ", "CS1S192F"},
    {"device address", "btnYeniIP", "yeniCihazIP", "192.168.1.77",
     "Yeni IP Adresi 192.168.1.77 olarak set edildi. ", "CI1S192F"},
    {"mask", "btnAltAg", "yeniAgGecidi", "255.255.0.0",
     "Alt Ağ Maskesi 255.255.0.0 olarak set edildi. ", "CK1S255F"},
    {"gateway", "btnVarsayilanAg", "yeniVarsayilanAg", "10.0.0.1",
     "Varsayılan Ağ Geçidi 10.0.0.1 olarak set edildi. ", "CG1S10F"},
    {"DNS", "btnDNS", "yeniDNS", "8.8.8.8", "DNS 8.8.8.8 olarak set edildi. ", "CD1S8F"},
};

} // namespace

class MainWindowHandlersTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        rig_ = std::make_unique<WindowRig>();
        rig_->show();
    }
    void cleanup() { rig_.reset(); }

    // The handshake rule itself is the link suite's; here the boxes' texts reach it.
    void connectButton() {
        std::vector<bool> waitCursorAtSend;
        rig_->endpoint.setResponder([&](const std::string&) {
            waitCursorAtSend.push_back(test::WaitCursorShown());
            return test::ScriptedReply::answer("OK");
        });
        rig_->window.cihazPort->setText(" 10001");
        rig_->window.btnBaglan->click();

        QCOMPARE(LogLinesWithoutTime(rig_->window),
                 QStringList{Utf8(" IP: 192.168.1.200 Port:  10001 cihaza bağlanıldı.")});
        QCOMPARE(rig_->endpoint.sentTexts(), std::vector<std::string>{"COK"});
        QCOMPARE(rig_->endpoint.sent().front().host, std::string("192.168.1.200"));
        QCOMPARE(rig_->endpoint.sent().front().port, 10001);
        QCOMPARE(waitCursorAtSend, std::vector<bool>{true});
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QVERIFY(rig_->dialogs.stops.empty());
    }

    void connectWithoutDataModuleDoesNothing() {
        RecordingDialogs dialogs;
        TfrmMain window(dialogs);
        window.btnBaglan->click();
        QVERIFY(window.mmo->toPlainText().isEmpty());
        QVERIFY(dialogs.stops.empty());
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void errorEndsHandlerInStopBox_data() { AddRows(kFailures); }
    void errorEndsHandlerInStopBox() {
        const Failure& f = Row(kFailures);
        rig_->endpoint.setResponder(test::FakeDevice{}.responder());
        if (*f.failSend) {
            rig_->endpoint.failNextSend(f.failSend);
        }
        rig_->window.cihazPort->setText(f.port);
        rig_->window.btnBaglan->click();

        QCOMPARE(rig_->dialogs.stops.size(), std::size_t{1});
        const RecordingDialogs::Box& box = rig_->dialogs.stops.front();
        QCOMPARE(box.title, QStringLiteral("KELVRA  WIZARD - PALVANE"));
        QCOMPARE(box.text, QString::fromStdString(f.stop));
        // The cursor is back before the box opens, and stays back.
        QVERIFY(!box.waitCursorShown);
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QVERIFY(rig_->endpoint.sent().empty());
        QVERIFY(rig_->window.mmo->toPlainText().isEmpty());

        // The window goes on: the next press with a good port connects.
        rig_->window.cihazPort->setText(QStringLiteral("10001"));
        rig_->window.btnBaglan->click();
        QCOMPARE(LogLines(rig_->window).size(), 1);
        QCOMPARE(rig_->dialogs.stops.size(), std::size_t{1});
    }

    void clearButton() {
        TfrmMain& w = rig_->window;
        w.appendLog("first");
        QTest::keyClicks(w.mmo, QStringLiteral(" typed"));
        w.btnTemizle->click();
        QVERIFY(w.mmo->toPlainText().isEmpty());
        w.appendLog("after clearing");
        QCOMPARE(LogLines(w), QStringList{QStringLiteral("after clearing")});
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void closeButton() {
        QVERIFY(rig_->window.isVisible());
        rig_->window.btnKapat->click();
        QVERIFY(!rig_->window.isVisible());
        QVERIFY(rig_->dialogs.stops.empty());
    }

    void logShowsNewestLine() {
        TfrmMain& w = rig_->window;
        for (int i = 0; i < 200; ++i) {
            w.appendLog("line " + std::to_string(i));
        }
        // Operator text typed elsewhere does not keep the newest line out of view.
        w.mmo->moveCursor(QTextCursor::Start);
        w.appendLog("Bağlan son satır");
        QCOMPARE(LogLines(w).size(), 201);
        QCOMPARE(LogLines(w).last(), Utf8("Bağlan son satır"));
        QVERIFY(w.mmo->verticalScrollBar()->maximum() > 0);
        QTRY_COMPARE(w.mmo->verticalScrollBar()->value(), w.mmo->verticalScrollBar()->maximum());
    }

    void informationBox() {
        static_cast<OperatorConsole&>(rig_->window).showInformation("Yeni IP set edildi.");
        QCOMPARE(rig_->dialogs.informations.size(), std::size_t{1});
        QCOMPARE(rig_->dialogs.informations[0].title, QStringLiteral("KELVRA  WIZARD - PALVANE"));
        QCOMPARE(rig_->dialogs.informations[0].text, QStringLiteral("Yeni IP set edildi."));
    }

    // The real boxes show the arrow over a running operation's wait cursor, which
    // comes back when the box closes.
    void boxesShowTheArrow_data() {
        QTest::addColumn<bool>("stop");
        QTest::newRow("information") << false;
        QTest::newRow("stop") << true;
    }
    void boxesShowTheArrow() {
        QFETCH(bool, stop);
        const WaitCursor operation;
        Qt::CursorShape whileOpen = Qt::BlankCursor;
        QTimer::singleShot(0, [&] {
            whileOpen = QApplication::overrideCursor()->shape();
            QApplication::activeModalWidget()->close();
        });
        MessageBoxDialogs dialogs;
        if (stop) {
            dialogs.stop(&rig_->window, QString(), QStringLiteral("text"));
        } else {
            dialogs.information(&rig_->window, QString(), QStringLiteral("text"));
        }
        QCOMPARE(whileOpen, Qt::ArrowCursor);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }

    void limitButtons_data() { AddRows(kLimitPresses); }
    void limitButtons() {
        const LimitPress& p = Row(kLimitPresses);
        const std::size_t mark = connectFirst(test::FakeDevice{});
        TfrmMain& w = rig_->window;
        box(p.high)->setText(Utf8(p.highText));
        if (*p.low != '-') {
            box(p.low)->setText(Utf8(p.lowText));
        }
        button(p.button)->click();

        const QStringList sent = sentSince(mark);
        QCOMPARE(sent.join(' '), QString(p.sent));
        // One line per command and nothing else shown.
        QCOMPARE(LogLinesWithoutTime(w).size(), sent.size());
        for (int i = 0; i < sent.size(); ++i) {
            QCOMPARE(LogLinesWithoutTime(w)[i], " " + sent[i] + " = OK");
        }
        QCOMPARE(rig_->dialogs.stopTexts().join('|'), QString::fromStdString(p.stop));
        QVERIFY(rig_->dialogs.informations.empty());
    }

    // What the boxes held at the press goes out, even if the low box changes while
    // the high command is under way.
    void limitBoxesAreReadBeforeEitherIsSent() {
        const std::size_t mark = connectFirst(test::FakeDevice{});
        TfrmMain& w = rig_->window;
        w.cbOrtamIsiY->setText("25");
        w.cbOrtamIsiD->setText("5");
        rig_->endpoint.setResponder([&](const std::string& datagram) {
            if (datagram == "CTHS25F") {
                w.cbOrtamIsiD->setText("-5");
            }
            return test::ScriptedReply::answer("OK");
        });
        w.btnOrtamIsi->click();
        QCOMPARE(sentSince(mark).join(' '), QString("CTHS25F CTLS5F"));
    }

    void clockButton() {
        const std::size_t mark = connectFirst(test::FakeDevice{});
        rig_->window.deTarihSaat->setDateTime(QDateTime(QDate(2001, 1, 1), QTime(1, 1)));
        rig_->window.btnTarihSaatSet->click();
        // A handshake and a setting per part, from the PC clock (the 9th), not from the
        // date-time box (the 1st); the link suite pins the rest.
        const QStringList sent = sentSince(mark);
        QCOMPARE(sent.size(), 14);
        QCOMPARE(sent[1], QString("CDYS9F"));
        QCOMPARE(rig_->dialogs.informations.size(), std::size_t{1});
        QCOMPARE(rig_->dialogs.informations[0].text,
                 QString("Tarih: 09.12.2026Saat: 09:00:00   olarak set edildi."));
        QVERIFY(rig_->dialogs.stops.empty());
    }

    void applyButton_data() { AddRows(kApplyPresses); }
    void applyButton() {
        const ApplyPress& p = Row(kApplyPresses);
        test::FakeDevice device;
        if (QString(p.device) == "refusing") {
            device.setReply = "ERR";
        } else if (QString(p.device) == "no handshake") {
            device.handshakeReply = "NO";
        }
        rig_->endpoint.setResponder(device.responder());
        rig_->network.ownAddress = p.pc;
        TfrmMain& w = rig_->window;
        w.yeniCihazIP->setText(Utf8(p.newAddress));
        w.yeniDNS->setText(Utf8(p.dns));
        w.btnCihazaUygula->click();

        QStringList boxes;
        for (const auto& b : rig_->dialogs.informations) {
            boxes << b.text;
        }
        QCOMPARE(boxes.join('|'), Utf8(p.boxes));
        QCOMPARE(rig_->dialogs.stopTexts().join('|'), QString(p.stop));
        const QStringList commands = sentSince(0).filter(QRegularExpression("^(?!COK$)"));
        QCOMPARE(commands.isEmpty() ? QString() : QString::number(commands.size()) + " commands",
                 QString(p.sent));
        // A refusal before the connect sends nothing at all.
        QCOMPARE(rig_->endpoint.sent().empty(), *p.stop != '\0');
    }

    // Each box goes out as its own kind, in order: the count and the first datagram of
    // each address (the link suite pins the rest).
    void applyProgramsTheFourAddressesInOrder() {
        rig_->endpoint.setResponder(test::FakeDevice{}.responder());
        TfrmMain& w = rig_->window;
        w.yeniCihazIP->setText("192.168.1.50");
        w.yeniAgGecidi->setText("255.255.0.0");
        w.yeniVarsayilanAg->setText("10.1.2.254");
        w.yeniDNS->setText("8.8.4.4");
        w.btnCihazaUygula->click();

        // The connect, then a handshake and a setting per octet and per commit.
        const QStringList sent = sentSince(0);
        QCOMPARE(sent.size(), 1 + 4 * 10);
        QCOMPARE((QStringList{sent[2], sent[12], sent[22], sent[32]}),
                 (QStringList{"CI1S192F", "CK1S255F", "CG1S10F", "CD1S8F"}));
        // The connect line, then five lines per address captioned by the box's label.
        const QStringList log = LogLinesWithoutTime(w);
        QCOMPARE(log.size(), 21);
        QCOMPARE(
            (QStringList{log[1], log[6], log[11], log[16]}),
            (QStringList{" Yeni IP Adresi CI1S192F = OK", Utf8(" Alt Ağ Maskesi CK1S255F = OK"),
                         Utf8(" Varsayılan Ağ Geçidi CG1S10F = OK"), " DNS CD1S8F = OK"}));
        // A connect and twenty transactions.
        QCOMPARE(rig_->clock.elapsedMs(), 900LL + 20 * 900LL);
    }

    void addressButtons_data() { AddRows(kFieldPresses); }
    void addressButtons() {
        const FieldPress& p = Row(kFieldPresses);
        const std::size_t mark = connectFirst(test::FakeDevice{});
        box(p.box)->setText(p.value);
        button(p.button)->click();

        QCOMPARE(rig_->dialogs.informations.size(), std::size_t{1});
        QCOMPARE(rig_->dialogs.informations[0].text, Utf8(p.shown));
        // No connect of its own: the first octet's handshake comes first.
        const QStringList sent = sentSince(mark);
        QCOMPARE(sent.size(), 10);
        QCOMPARE(sent.mid(0, 2), (QStringList{"COK", p.first}));
        QVERIFY(rig_->dialogs.stops.empty());
    }

private:
    // Connects to device and returns how many datagrams were sent so far.
    std::size_t connectFirst(const test::FakeDevice& device) {
        rig_->endpoint.setResponder(device.responder());
        rig_->dm.ConnectDevice("192.168.1.200", "10001");
        rig_->window.btnTemizle->click();
        rig_->clock.resetElapsed();
        return rig_->endpoint.sent().size();
    }
    QStringList sentSince(std::size_t mark) const {
        QStringList texts;
        const auto all = rig_->endpoint.sentTexts();
        for (std::size_t i = mark; i < all.size(); ++i) {
            texts << QString::fromStdString(all[i]);
        }
        return texts;
    }
    TCaptionedEdit* box(const char* name) const {
        auto* found = rig_->window.findChild<TCaptionedEdit*>(name);
        Q_ASSERT(found != nullptr);
        return found;
    }
    QAbstractButton* button(const char* name) const {
        auto* found = rig_->window.findChild<QAbstractButton*>(name);
        Q_ASSERT(found != nullptr);
        return found;
    }

    std::unique_ptr<WindowRig> rig_;
};

std::unique_ptr<QObject> MakeMainWindowHandlersTest() {
    return std::make_unique<MainWindowHandlersTest>();
}

} // namespace kelvra::uitest

#include "MainWindowHandlersTest.moc"
