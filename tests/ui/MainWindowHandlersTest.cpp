#include "UiSuites.h"
#include "WindowRig.h"
#include "support/FakeDevice.h"
#include "ui/ApplicationTitle.h"
#include "ui/StopBoxText.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

namespace kelvra::uitest {

namespace {

QStringList LinesWithoutTime(const TfrmMain& window) {
    QStringList lines;
    for (const QString& line : LogLines(window)) {
        lines << QString::fromStdString(testing::WithoutTime(line.toStdString()));
    }
    return lines;
}

} // namespace

class MainWindowHandlersTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void connectButton_data();
    void connectButton();
    void connectWithoutDataModuleDoesNothing();
    void deviceOperationShowsWaitCursor();
    void errorEndsHandlerInStopBox_data();
    void errorEndsHandlerInStopBox();
    void clearButton();
    void closeButton();
    void logShowsNewestLine();
    void informationBox();
    void stopBoxText_data();
    void stopBoxText();

private:
    std::unique_ptr<WindowRig> rig_;
};

void MainWindowHandlersTest::init() {
    rig_ = std::make_unique<WindowRig>();
    rig_->show();
}

void MainWindowHandlersTest::cleanup() {
    rig_.reset();
}

void MainWindowHandlersTest::connectButton_data() {
    QTest::addColumn<QString>("handshakeReply");
    QTest::addColumn<QString>("portText");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QStringList>("log");

    const QString connected = Utf8(" IP: 192.168.1.200 Port: 10001 cihaza bağlanıldı.");
    const QString failed = Utf8(" IP: 192.168.1.200 Port: 10001 cihaza bağlanılamadı.");
    QTest::newRow("answered") << "OK"
                              << "10001" << 1 << QStringList{connected};
    QTest::newRow("answered twice, one line") << "OK"
                                              << "10001" << 2 << QStringList{connected};
    QTest::newRow("OK among other text") << "xxOKyy"
                                         << "10001" << 1 << QStringList{connected};
    QTest::newRow("lower case is no answer") << "ok"
                                             << "10001" << 2 << QStringList{failed, failed};
    QTest::newRow("silent device") << ""
                                   << "10001" << 1 << QStringList{failed};
    QTest::newRow("leading blank in the port")
        << "OK"
        << " 10001" << 1 << QStringList{Utf8(" IP: 192.168.1.200 Port:  10001 cihaza bağlanıldı.")};
}

void MainWindowHandlersTest::connectButton() {
    QFETCH(QString, handshakeReply);
    QFETCH(QString, portText);
    QFETCH(int, clicks);
    QFETCH(QStringList, log);

    testing::FakeDevice device;
    device.handshakeReply = handshakeReply.toStdString();
    rig_->endpoint.setResponder(device.responder());
    rig_->window.cihazPort->setText(portText);

    for (int i = 0; i < clicks; ++i) {
        rig_->window.btnBaglan->click();
    }

    QCOMPARE(LinesWithoutTime(rig_->window), log);
    QCOMPARE(rig_->endpoint.sent().size(), static_cast<std::size_t>(clicks));
    for (const testing::ScriptedEndpoint::Sent& sent : rig_->endpoint.sent()) {
        QCOMPARE(sent.text, std::string("COK"));
        QCOMPARE(sent.host, std::string("192.168.1.200"));
        QCOMPARE(sent.port, 10001);
    }
    QVERIFY(rig_->dialogs.stops().empty());
}

void MainWindowHandlersTest::connectWithoutDataModuleDoesNothing() {
    RecordingDialogs dialogs;
    TfrmMain window(dialogs);
    window.btnBaglan->click();
    QVERIFY(window.mmo->toPlainText().isEmpty());
    QVERIFY(dialogs.stops().empty());
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void MainWindowHandlersTest::deviceOperationShowsWaitCursor() {
    std::vector<bool> waitCursorAtSend;
    rig_->endpoint.setResponder([&](const std::string&) {
        const QCursor* cursor = QApplication::overrideCursor();
        waitCursorAtSend.push_back(cursor != nullptr && cursor->shape() == Qt::WaitCursor);
        return testing::ScriptedReply::answer("OK");
    });

    rig_->window.btnBaglan->click();
    QCOMPARE(waitCursorAtSend, std::vector<bool>{true});
    QVERIFY(QApplication::overrideCursor() == nullptr);

    // A window handler leaves the cursor alone.
    rig_->window.btnTemizle->click();
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void MainWindowHandlersTest::errorEndsHandlerInStopBox_data() {
    QTest::addColumn<QString>("portText");
    QTest::addColumn<QString>("failSend");
    QTest::addColumn<QString>("stopText");
    QTest::addColumn<int>("sent");

    QTest::newRow("trailing blank in the port") << "10001 "
                                                << ""
                                                << "'10001 ' is not a valid integer value." << 0;
    QTest::newRow("empty port") << ""
                                << ""
                                << "'' is not a valid integer value." << 0;
    QTest::newRow("letters") << "port"
                             << ""
                             << "'port' is not a valid integer value." << 0;
    QTest::newRow("socket error at the send") << "10001"
                                              << "Socket Error # 10065\r\nNo route to host"
                                              << "Socket Error # 10065\r\nNo route to host." << 0;
    QTest::newRow("message ending in a full stop") << "10001"
                                                   << "Host not found."
                                                   << "Host not found." << 0;
}

void MainWindowHandlersTest::errorEndsHandlerInStopBox() {
    QFETCH(QString, portText);
    QFETCH(QString, failSend);
    QFETCH(QString, stopText);
    QFETCH(int, sent);

    rig_->endpoint.setResponder(testing::FakeDevice{}.responder());
    if (!failSend.isEmpty()) {
        rig_->endpoint.failNextSend(failSend.toStdString());
    }
    rig_->window.cihazPort->setText(portText);
    rig_->window.btnBaglan->click();

    QCOMPARE(rig_->dialogs.stops().size(), std::size_t{1});
    const RecordingDialogs::Box& box = rig_->dialogs.stops().front();
    QCOMPARE(box.title, QStringLiteral("KELVRA  WIZARD - PALVANE"));
    QCOMPARE(box.text, stopText);
    // The cursor is back before the box opens, and stays back.
    QVERIFY(!box.waitCursorShown);
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QCOMPARE(rig_->endpoint.sent().size(), static_cast<std::size_t>(sent));
    QVERIFY(rig_->window.mmo->toPlainText().isEmpty());

    // The window goes on: the next press with a good port connects.
    rig_->window.cihazPort->setText(QStringLiteral("10001"));
    rig_->window.btnBaglan->click();
    QCOMPARE(LogLines(rig_->window).size(), 1);
    QCOMPARE(rig_->dialogs.stops().size(), std::size_t{1});
}

void MainWindowHandlersTest::clearButton() {
    TfrmMain& w = rig_->window;
    w.btnTemizle->click();
    QVERIFY(w.mmo->toPlainText().isEmpty());

    w.appendLog("first");
    w.appendLog("second");
    QTest::keyClicks(w.mmo, QStringLiteral(" typed"));
    w.btnTemizle->click();
    QVERIFY(w.mmo->toPlainText().isEmpty());

    w.appendLog("after clearing");
    QCOMPARE(LogLines(w), QStringList{QStringLiteral("after clearing")});
    QVERIFY(rig_->dialogs.stops().empty());
}

void MainWindowHandlersTest::closeButton() {
    QVERIFY(rig_->window.isVisible());
    rig_->window.btnKapat->click();
    QVERIFY(!rig_->window.isVisible());
    QVERIFY(rig_->dialogs.stops().empty());
    QVERIFY(rig_->dialogs.informations().empty());
}

void MainWindowHandlersTest::logShowsNewestLine() {
    TfrmMain& w = rig_->window;
    for (int i = 0; i < 200; ++i) {
        w.appendLog("line " + std::to_string(i));
    }
    // Operator text typed elsewhere does not keep the newest line out of view.
    w.mmo->moveCursor(QTextCursor::Start);
    w.appendLog(std::string("Bağlan son satır"));
    QCOMPARE(LogLines(w).size(), 201);
    QCOMPARE(LogLines(w).last(), Utf8("Bağlan son satır"));
    QTRY_COMPARE(w.mmo->verticalScrollBar()->value(), w.mmo->verticalScrollBar()->maximum());
    QVERIFY(w.mmo->verticalScrollBar()->maximum() > 0);
}

void MainWindowHandlersTest::informationBox() {
    OperatorConsole& console = rig_->window;
    console.showInformation("Yeni IP Adresi 192.168.1.251 olarak set edildi.");
    QCOMPARE(rig_->dialogs.informations().size(), std::size_t{1});
    QCOMPARE(rig_->dialogs.informations().front().title,
             QStringLiteral("KELVRA  WIZARD - PALVANE"));
    QCOMPARE(rig_->dialogs.informations().front().text,
             Utf8("Yeni IP Adresi 192.168.1.251 olarak set edildi."));
}

void MainWindowHandlersTest::stopBoxText_data() {
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QByteArray>("shown");

    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("letter") << QByteArray("bad") << QByteArray("bad.");
    QTest::newRow("full stop") << QByteArray("done.") << QByteArray("done.");
    QTest::newRow("closing bracket sorts before '.'")
        << QByteArray("List index out of bounds (4)") << QByteArray("List index out of bounds (4)");
    QTest::newRow("quote") << QByteArray("'x'") << QByteArray("'x'");
    QTest::newRow("comma") << QByteArray("a,") << QByteArray("a,");
    QTest::newRow("hyphen, 0x2D") << QByteArray("a-") << QByteArray("a-");
    QTest::newRow("slash, 0x2F") << QByteArray("a/") << QByteArray("a/.");
    QTest::newRow("digit") << QByteArray("Error 7") << QByteArray("Error 7.");
    QTest::newRow("trailing blank") << QByteArray("a ") << QByteArray("a ");
    QTest::newRow("line break") << QByteArray("a\r\n") << QByteArray("a\r\n");
    QTest::newRow("UTF-8 letter, last byte above 0x7F")
        << QByteArray("De\xc4\x9f") << QByteArray("De\xc4\x9f.");
    QTest::newRow("multi-line socket error")
        << QByteArray("Socket Error # 10061\r\nConnection refused")
        << QByteArray("Socket Error # 10061\r\nConnection refused.");
}

void MainWindowHandlersTest::stopBoxText() {
    QFETCH(QByteArray, message);
    QFETCH(QByteArray, shown);
    QCOMPARE(QByteArray::fromStdString(StopBoxText(message.toStdString())), shown);
}

std::unique_ptr<QObject> MakeMainWindowHandlersTest() {
    return std::make_unique<MainWindowHandlersTest>();
}

} // namespace kelvra::uitest

#include "MainWindowHandlersTest.moc"
