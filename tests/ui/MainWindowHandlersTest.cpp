#include "UiSuites.h"
#include "WindowRig.h"
#include "support/ErrorText.h"
#include "support/FakeDevice.h"
#include "ui/StopBoxText.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
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
    {"trailing blank in the port", "10001 ", "", testing::ConvertMessage("10001 ") + "."},
    {"socket error at the send", "10001", "Socket Error # 10065\r\nNo route to host",
     "Socket Error # 10065\r\nNo route to host."},
    {"message ending in a full stop", "10001", "Host not found.", "Host not found."},
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
            const QCursor* cursor = QApplication::overrideCursor();
            waitCursorAtSend.push_back(cursor != nullptr && cursor->shape() == Qt::WaitCursor);
            return testing::ScriptedReply::answer("OK");
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
        rig_->endpoint.setResponder(testing::FakeDevice{}.responder());
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

    // A "." is added when the last byte sorts after '.' (0x2E).
    void stopBoxText_data() {
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<QByteArray>("shown");

        QTest::newRow("empty") << QByteArray() << QByteArray();
        QTest::newRow("letter") << QByteArray("bad") << QByteArray("bad.");
        QTest::newRow("full stop") << QByteArray("done.") << QByteArray("done.");
        QTest::newRow("closing bracket") << QByteArray("List index out of bounds (4)")
                                         << QByteArray("List index out of bounds (4)");
        QTest::newRow("hyphen, 0x2D") << QByteArray("a-") << QByteArray("a-");
        QTest::newRow("slash, 0x2F") << QByteArray("a/") << QByteArray("a/.");
        QTest::newRow("line break") << QByteArray("a\r\n") << QByteArray("a\r\n");
        QTest::newRow("UTF-8 letter, last byte above 0x7F")
            << QByteArray("De\xc4\x9f") << QByteArray("De\xc4\x9f.");
    }
    void stopBoxText() {
        QFETCH(QByteArray, message);
        QFETCH(QByteArray, shown);
        QCOMPARE(QByteArray::fromStdString(StopBoxText(message.toStdString())), shown);
    }

private:
    std::unique_ptr<WindowRig> rig_;
};

std::unique_ptr<QObject> MakeMainWindowHandlersTest() {
    return std::make_unique<MainWindowHandlersTest>();
}

} // namespace kelvra::uitest

#include "MainWindowHandlersTest.moc"
