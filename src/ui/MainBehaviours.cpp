// What the window does on its own: the free address it proposes at its first
// show, the ticking clock box, the hidden panel and the logo.

#include "link/KelvraDM.h"
#include "link/Protocol.h"
#include "ui/Main.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>
#include <chrono>
#include <functional>
#include <string>
#include <utility>

namespace kelvra {

namespace {

// Any web address may stand for the maker's; this one is reserved for examples.
constexpr const char* kMakerWebAddress = "https://www.kelvra.example/";

// The first candidate is .251 (255 - 4), the last .1: an address ending in .0 is
// one the apply button refuses.
constexpr int kFirstCandidateStep = 4;
constexpr int kLastOctetMax = 255;
constexpr int kLastCandidateOctet = 1;

// Runs an action when a left-button event of one type reaches the widget itself:
// a double-click, or a release inside it, which makes a click. An event a child
// takes (a button of the bar) never gets here.
class MouseAction : public QObject {
public:
    MouseAction(QWidget* widget, QEvent::Type type, std::function<void()> action)
        : QObject(widget), widget_(widget), type_(type), action_(std::move(action)) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != widget_ || event->type() != type_) {
            return false;
        }
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) {
            return false;
        }
        if (type_ == QEvent::MouseButtonRelease &&
            !widget_->rect().contains(mouse->position().toPoint())) {
            return false; // dragged off before letting go: no click
        }
        action_();
        return true;
    }

private:
    QWidget* widget_;
    QEvent::Type type_;
    std::function<void()> action_;
};

} // namespace

void TfrmMain::wireBehaviours() {
    const auto guarded = [this](void (TfrmMain::*handler)()) {
        return [this, handler] {
            runGuarded([this, handler] { (this->*handler)(); }, HandlerKind::Window);
        };
    };
    new MouseAction(Panel2, QEvent::MouseButtonDblClick, guarded(&TfrmMain::Panel2DblClick));
    new MouseAction(pnlUzak, QEvent::MouseButtonRelease, guarded(&TfrmMain::pnlUzakClick));
    new MouseAction(cxImage1, QEvent::MouseButtonRelease, guarded(&TfrmMain::cxImage1Click));
}

void TfrmMain::FormShow() {
    if (dataModule_ == nullptr) {
        return;
    }
    SuggestFreeAddress();
    pc->setCurrentIndex(0);
    pc->tabBar()->hide(); // the page fills the control
}

// Counts down from .251 in the PC's first three octets and stops at the first
// candidate nobody holds; the box keeps each candidate as it is probed. Without a
// PC address the shared list is still empty and reading it ends the show handler.
void TfrmMain::SuggestFreeAddress() {
    TFKelvraDM& dm = *dataModule_;
    std::string localIp;
    dm.GetLocalIp(localIp); // the text decides, not the flag
    dm.SplitFields(protocol::kDottedDelimiter, localIp, dm.Fields());
    const FieldList& octets = dm.Fields();

    for (int k = kFirstCandidateStep;; ++k) {
        const int lastOctet = kLastOctetMax - k;
        // Field by field from the first, so that a short list fails at its end.
        std::string candidate = octets[0];
        candidate += "." + octets[1];
        candidate += "." + octets[2];
        candidate += "." + std::to_string(lastOctet);
        yeniCihazIP->setText(QString::fromStdString(candidate));
        if (!dm.AddressTaken(yeniCihazIP->text().toStdString())) {
            return;
        }
        if (lastOctet == kLastCandidateOctet) {
            // Every address answered: proposing one of them would clash.
            yeniCihazIP->clear();
            return;
        }
    }
}

void TfrmMain::Timer1Timer() {
    if (dataModule_ == nullptr) {
        return;
    }
    const auto since = dataModule_->Now().time_since_epoch();
    deTarihSaat->setDateTime(QDateTime::fromMSecsSinceEpoch(
        std::chrono::duration_cast<std::chrono::milliseconds>(since).count()));
}

void TfrmMain::Panel2DblClick() {
    pnlUzak->setVisible(true);
}

void TfrmMain::pnlUzakClick() {
    gbUzak->setVisible(true);
}

void TfrmMain::cxImage1Click() {
    // A desktop with no program for web addresses opens nothing; nothing is said.
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(kMakerWebAddress)));
}

} // namespace kelvra
