#include "ui/Main.h"

#include "core/StopBoxText.h"
#include "link/KelvraDM.h"
#include "ui/ApplicationTitle.h"
#include "ui/WaitCursor.h"

#include <QAbstractButton>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QTextCursor>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <optional>
#include <stdexcept>

namespace kelvra {

namespace {

constexpr int kOuterWidth = 1070;
constexpr int kOuterHeight = 600;
constexpr int kOuterLeft = 158;
constexpr int kOuterTop = 45;
constexpr int kClockPeriodMs = 1000;

} // namespace

TfrmMain::TfrmMain() : ownDialogs_(std::make_unique<MessageBoxDialogs>()), dialogs_(*ownDialogs_) {
    setUp();
}

TfrmMain::TfrmMain(Dialogs& dialogs) : dialogs_(dialogs) {
    setUp();
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::setUp() {
    setWindowTitle(QString::fromUtf8(kWindowCaption));
    // Until the frame is known the outer size stands for the client size.
    move(kOuterLeft, kOuterTop);
    resize(kOuterWidth, kOuterHeight);
    buildWindow();
    wireHandlers();
    wireBehaviours();
    Timer1->start(kClockPeriodMs);
}

void TfrmMain::attachDataModule(TFKelvraDM& dm) {
    dataModule_ = &dm;
}

void TfrmMain::appendLog(const std::string& line) {
    mmo->appendPlainText(QString::fromStdString(line));
    // The caret follows the newest line, and the log scrolls to its very end.
    mmo->moveCursor(QTextCursor::End);
    mmo->verticalScrollBar()->setValue(mmo->verticalScrollBar()->maximum());
}

std::string TfrmMain::deviceAddressText() const {
    return cihazIP->text().toStdString();
}

std::string TfrmMain::devicePortText() const {
    return cihazPort->text().toStdString();
}

void TfrmMain::showInformation(const std::string& text) {
    dialogs_.information(this, QString::fromUtf8(kApplicationTitle), QString::fromStdString(text));
}

void TfrmMain::btnBaglanClick() {
    if (dataModule_ == nullptr) {
        return;
    }
    // The log line is the operator's only feedback; the result is not needed.
    dataModule_->ConnectDevice(deviceAddressText(), devicePortText());
}

void TfrmMain::btnTemizleClick() {
    mmo->clear();
}

void TfrmMain::btnKapatClick() {
    close();
}

void TfrmMain::wireHandlers() {
    bindClick(btnBaglan, &TfrmMain::btnBaglanClick, HandlerKind::Device);
    bindClick(btnBilgileriAl, &TfrmMain::btnBilgileriAlClick, HandlerKind::Device);
    bindClick(btnTemizle, &TfrmMain::btnTemizleClick, HandlerKind::Window);
    bindClick(btnKapat, &TfrmMain::btnKapatClick, HandlerKind::Window);
    wireWriteHandlers();
    connect(Timer1, &QTimer::timeout, this,
            [this] { runGuarded([this] { Timer1Timer(); }, HandlerKind::Clock); });
}

void TfrmMain::bindClick(QAbstractButton* button, void (TfrmMain::*handler)(), HandlerKind kind) {
    connect(button, &QAbstractButton::clicked, this,
            [this, handler, kind] { runGuarded([this, handler] { (this->*handler)(); }, kind); });
}

void TfrmMain::runGuarded(const std::function<void()>& handler, HandlerKind kind) {
    if (gate_.defer(kind, [this, handler, kind] { runGuarded(handler, kind); })) {
        return;
    }
    const bool operation = kind == HandlerKind::Device;
    std::optional<std::string> failure;
    try {
        // Both restored before the stop box opens, also when the handler throws.
        std::optional<WaitCursor> waitCursor;
        std::optional<OperationGate::Operation> running;
        if (operation) {
            waitCursor.emplace();
            running.emplace(gate_);
        }
        handler();
    } catch (const std::exception& error) {
        failure = error.what();
    } catch (...) {
        failure = "Unexpected error";
    }
    if (failure) {
        dialogs_.stop(this, QString::fromUtf8(kApplicationTitle),
                      QString::fromStdString(StopBoxText(*failure)));
    }
    // After the stop box, which a blocked window would have shown first as well.
    if (operation) {
        gate_.catchUp();
    }
}

void TfrmMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shownOnce_ && !event->spontaneous()) {
        shownOnce_ = true;
        fitOuterSize();
        // An error ends the handler in the stop box; the window opens all the same.
        runGuarded([this] { FormShow(); }, HandlerKind::Window);
    }
}

void TfrmMain::fitOuterSize() {
    // 1070 x 600 is the size with the frame; the frame is known once the window
    // exists on the screen, and is empty where there is no window manager.
    const QWindow* window = windowHandle();
    if (window == nullptr) {
        return;
    }
    const QMargins frame = window->frameMargins();
    if (!frame.isNull()) {
        resize(kOuterWidth - frame.left() - frame.right(),
               kOuterHeight - frame.top() - frame.bottom());
    }
}

} // namespace kelvra
