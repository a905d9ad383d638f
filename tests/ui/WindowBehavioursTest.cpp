// The window's own behaviours: the address proposed at the first show (in virtual
// time on the fake network), the hidden panel and the logo.

#include "ui/UiSuites.h"
#include "ui/WindowRig.h"

#include <QDesktopServices>
#include <QGroupBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>
#include <QtTest>
#include <memory>

namespace kelvra::uitest {

namespace {

// The PC's address ("" for none), who answers echo, who drops echo but answers
// ARP, and what the first show leaves: the proposal, the tab strip, the stop box
// ("" for none) and the virtual time the walk took.
struct Suggestion {
    const char* name;
    const char* own;
    std::vector<std::string> answering;
    std::vector<std::string> droppingEcho;
    const char* proposed;
    bool tabHidden;
    const char* stop;
    long long walkMs;
};

std::vector<std::string> EveryAddressOf(const std::string& prefix) {
    std::vector<std::string> all;
    for (int last = 0; last <= 255; ++last) {
        all.push_back(prefix + std::to_string(last));
    }
    return all;
}

const Suggestion kSuggestions[] = {
    {".251 free: one silent probe", "192.168.1.10", {}, {}, "192.168.1.251", true, "", 100},
    {".251 and .250 answer",
     "192.168.1.10",
     {"192.168.1.251", "192.168.1.250"},
     {},
     "192.168.1.249",
     true,
     "",
     1 + 1 + 100},
    {"the PC itself is .251", "192.168.1.251", {}, {}, "192.168.1.250", true, "", 1 + 100},
    {"a host drops echo but answers ARP",
     "192.168.1.10",
     {},
     {"192.168.1.251"},
     "192.168.1.250",
     true,
     "",
     100 + 100},
    {"the PC's own three octets", "10.20.30.40", {}, {}, "10.20.30.251", true, "", 100},
    {"no PC address", "", {}, {}, "192.168.1.200", false, "List index out of bounds (0)", 0},
    {"every candidate answers",
     "192.168.1.10",
     EveryAddressOf("192.168.1."),
     {},
     "",
     true,
     "",
     251}, // .251 down to .1: an address ending in .0 is never proposed
};

} // namespace

class WindowBehavioursTest : public QObject {
    Q_OBJECT

public slots:
    // Stands in for the desktop's web browser.
    void openUrl(const QUrl& url) { opened_ << url; }

private slots:
    void cleanup() {
        rig_.reset();
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        opened_.clear();
    }

    void firstShowProposesAFreeAddress_data() { AddRows(kSuggestions); }
    void firstShowProposesAFreeAddress() {
        const Suggestion& s = Row(kSuggestions);
        makeRig(s);
        const long long before = rig_->clock.epochMs();
        rig_->show();
        TfrmMain& w = rig_->window;

        QCOMPARE(w.yeniCihazIP->text(), QString(s.proposed));
        QCOMPARE(rig_->dialogs.stopTexts(), *s.stop ? QStringList{s.stop} : QStringList{});
        QCOMPARE(rig_->clock.epochMs() - before, s.walkMs);
        QVERIFY(w.isVisible());
        QCOMPARE(w.pc->currentIndex(), 0);
        QCOMPARE(w.pc->tabBar()->isVisible(), !s.tabHidden);
        if (s.tabHidden) {
            // Without its strip the page fills the control.
            QTRY_COMPARE(w.cxTabSheet6->y(), w.pc->contentsRect().y());
        }
    }

    void firstShowOnly() {
        makeRig(kSuggestions[0]);
        rig_->show();
        rig_->window.hide();
        rig_->window.yeniCihazIP->setText(QStringLiteral("192.168.1.77"));
        rig_->show();
        QCOMPARE(rig_->network.pinged, std::vector<std::string>{"192.168.1.251"});
        QCOMPARE(rig_->window.yeniCihazIP->text(), QStringLiteral("192.168.1.77"));
    }

    // Only the bar itself reveals the panel; its buttons keep their double-clicks.
    void doubleClickOnTheBottomBar_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("revealed");
        QTest::newRow("free area") << "Panel2" << true;
        QTest::newRow("Bağlan") << "btnBaglan" << false;
        QTest::newRow("Bilgileri Al") << "btnBilgileriAl" << false;
    }
    void doubleClickOnTheBottomBar() {
        QFETCH(QString, target);
        QFETCH(bool, revealed);
        makeRig(kSuggestions[0]);
        rig_->show();
        TfrmMain& w = rig_->window;
        auto* widget = w.findChild<QWidget*>(target);
        // The free area lies between "Bilgileri Al" and "Kapat".
        const QPoint at = widget == w.Panel2 ? QPoint(w.btnKapat->x() - 40, w.Panel2->height() / 2)
                                             : widget->rect().center();
        QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
        QCOMPARE(w.pnlUzak->isVisible(), revealed);

        QTest::mouseDClick(widget, Qt::LeftButton, {}, at); // again: no change
        QCOMPARE(w.pnlUzak->isVisible(), revealed);
        QVERIFY(rig_->dialogs.stops.empty());
    }

    void clickOnTheHiddenPanelChangesNothing() {
        makeRig(kSuggestions[0]);
        rig_->show();
        TfrmMain& w = rig_->window;
        QTest::mouseDClick(w.Panel2, Qt::LeftButton, {}, QPoint(w.btnKapat->x() - 40, 20));
        QTRY_VERIFY(w.pnlUzak->isVisible());
        const QRect remote = w.gbUzak->geometry();
        QTest::mouseClick(w.pnlUzak, Qt::LeftButton);
        QVERIFY(w.gbUzak->isVisible());
        QCOMPARE(w.gbUzak->geometry(), remote);
        QVERIFY(rig_->dialogs.stops.empty());
    }

    void logoOpensTheWebAddress_data() {
        QTest::addColumn<bool>("browser");
        QTest::newRow("desktop opens it") << true;
        QTest::newRow("no program for web addresses") << false;
    }
    void logoOpensTheWebAddress() {
        QFETCH(bool, browser);
        // Without a handler the offscreen platform opens nothing; another platform
        // would start a real browser.
        if (!browser && QGuiApplication::platformName() != QStringLiteral("offscreen")) {
            QSKIP("needs the offscreen platform");
        }
        if (browser) {
            QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
        }
        makeRig(kSuggestions[0]);
        rig_->show();
        QTest::mouseClick(rig_->window.cxImage1, Qt::LeftButton);
        QCOMPARE(opened_.size(), browser ? 1 : 0);
        if (browser) {
            QCOMPARE(opened_.front().scheme(), QStringLiteral("https"));
            QVERIFY(opened_.front().isValid());
        }
        QVERIFY(rig_->dialogs.stops.empty());
        QVERIFY(rig_->dialogs.informations.empty());
    }

private:
    void makeRig(const Suggestion& s) {
        rig_ = std::make_unique<WindowRig>();
        rig_->network.clock = &rig_->clock;
        rig_->network.ownAddress = s.own;
        rig_->network.answering = s.answering;
        rig_->network.droppingEcho = s.droppingEcho;
    }

    std::unique_ptr<WindowRig> rig_;
    QList<QUrl> opened_;
};

std::unique_ptr<QObject> MakeWindowBehavioursTest() {
    return std::make_unique<WindowBehavioursTest>();
}

} // namespace kelvra::uitest

#include "WindowBehavioursTest.moc"
