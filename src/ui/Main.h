#pragma once

#include "link/Ports.h"
#include "ui/CaptionedFields.h"
#include "ui/Dialogs.h"
#include "ui/OperationGate.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

class QAbstractButton;
class QFrame;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTimer;
class QToolButton;

namespace kelvra {

class TFKelvraDM;
struct AddressKind;
struct Quantity;

// The program's one window: the connection and setting fields, the device
// information, the alarm limits, the exchange log and the operation buttons. It is
// also the operator console the device link writes its log lines into, and it
// listens to the link's waits to stay painted while a device operation runs.
class TfrmMain : public QWidget, public OperatorConsole, public WaitListener {
    Q_OBJECT

public:
    TfrmMain();
    explicit TfrmMain(Dialogs& dialogs);
    ~TfrmMain() override;
    TfrmMain(const TfrmMain&) = delete;
    TfrmMain& operator=(const TfrmMain&) = delete;

    // The window is built before the data module, so the module comes in later.
    // Handlers that run before this do nothing.
    void attachDataModule(TFKelvraDM& dm);

    void appendLog(const std::string& line) override;
    std::string deviceAddressText() const override;
    std::string devicePortText() const override;
    void showInformation(const std::string& text) override;

    // A turn during a device operation's wait: paints and answers the desktop, but
    // leaves user input queued until the operation ends.
    void duringWait() override;

    // The window's own behaviours (MainBehaviours.cpp). FormShow runs once, at the
    // first show, before the window is drawn.
    void FormShow();
    void Panel2DblClick();
    void pnlUzakClick();
    void cxImage1Click();

    void btnBaglanClick();
    void btnBilgileriAlClick();
    void btnTemizleClick();
    void btnKapatClick();
    void Timer1Timer();

    // Writes to the device: limits and calibration (MainLimits.cpp), the clock
    // (MainClock.cpp), addresses (MainAddresses.cpp).
    void btnOrtamIsiClick();
    void btnNemClick();
    void btnBasincClick();
    void btnDolapIsiSetClick();
    void btnYakinIsiClick();
    void btnKalibrasyonArtiClick();
    void btnKalibrasyonEksiClick();
    void btnTarihSaatSetClick();
    void btnCihazaUygulaClick();
    void btnYeniIPClick();
    void btnAltAgClick();
    void btnVarsayilanAgClick();
    void btnDNSClick();
    void BTNServerIPClick();

    // Header bar.
    QFrame* Panel1 = nullptr;
    QLabel* lblBaslik = nullptr;
    QLabel* cxImage1 = nullptr;

    // Bottom bar.
    QFrame* Panel2 = nullptr;
    QToolButton* btnBaglan = nullptr;
    QToolButton* btnBilgileriAl = nullptr;
    QPushButton* btnKapat = nullptr;

    QTabWidget* pc = nullptr;
    QWidget* cxTabSheet6 = nullptr;

    // Left column.
    QFrame* pnlsol = nullptr;
    QFrame* pnlSolUst = nullptr;
    QGroupBox* gbCBaglanti = nullptr;
    TCaptionedEdit* cihazIP = nullptr;
    TCaptionedEdit* cihazPort = nullptr;
    QGroupBox* gbCihazaYazilacak = nullptr;
    TCaptionedEdit* yeniCihazIP = nullptr;
    TCaptionedEdit* yeniAgGecidi = nullptr;
    TCaptionedEdit* yeniVarsayilanAg = nullptr;
    TCaptionedEdit* yeniDNS = nullptr;
    QToolButton* btnYeniIP = nullptr;
    QToolButton* btnAltAg = nullptr;
    QToolButton* btnVarsayilanAg = nullptr;
    QToolButton* btnDNS = nullptr;
    QPushButton* btnCihazaUygula = nullptr;
    QGroupBox* gbTarihSaat = nullptr;
    TCaptionedDateEdit* deTarihSaat = nullptr;
    QToolButton* btnTarihSaatSet = nullptr;
    QGroupBox* gbUzak = nullptr;
    TCaptionedEdit* UzakIP = nullptr;
    QToolButton* BTNServerIP = nullptr;
    QFrame* pnlSolAlt = nullptr;

    // Device information column.
    QGroupBox* cbcihazbilgileri = nullptr;
    QGroupBox* cxGroupBox1 = nullptr;
    TCaptionedEdit* EDTCIHAZID = nullptr;
    TCaptionedEdit* cIP = nullptr;
    TCaptionedEdit* CPort = nullptr;
    TCaptionedEdit* CMac = nullptr;
    TCaptionedEdit* CGateway = nullptr;
    TCaptionedEdit* cIPMask = nullptr;
    TCaptionedEdit* cDNS = nullptr;
    TCaptionedEdit* CServerIP = nullptr;
    TCaptionedEdit* cServerPort = nullptr;
    QGroupBox* cxGroupBox2 = nullptr;
    TCaptionedEdit* cbKalibrasyonArti = nullptr;
    TCaptionedEdit* cbKalibrasyonEksi = nullptr;
    QToolButton* btnKalibrasyonArti = nullptr;
    QToolButton* btnKalibrasyonEksi = nullptr;
    QFrame* pnlSaatTarih = nullptr;
    TCaptionedEdit* cbSaat = nullptr;
    TCaptionedEdit* cbTarih = nullptr;

    // Alarm limits column.
    QGroupBox* gbsetbilgileri = nullptr;
    QGroupBox* gbDolapIsi = nullptr;
    TCaptionedEdit* cbDolapIsiYuksek = nullptr;
    TCaptionedEdit* cbDolapIsiDusuk = nullptr;
    QToolButton* btnDolapIsiSet = nullptr;
    QGroupBox* gbNem = nullptr;
    TCaptionedEdit* cbNemYuksek = nullptr;
    TCaptionedEdit* cbNemDusuk = nullptr;
    QToolButton* btnNem = nullptr;
    QGroupBox* gbOrtamIsi = nullptr;
    TCaptionedEdit* cbOrtamIsiY = nullptr;
    TCaptionedEdit* cbOrtamIsiD = nullptr;
    QToolButton* btnOrtamIsi = nullptr;
    QGroupBox* gbBasinc = nullptr;
    TCaptionedEdit* cbBasincYuksek = nullptr;
    TCaptionedEdit* cbBasincDusuk = nullptr;
    QToolButton* btnBasinc = nullptr;
    QGroupBox* gbYakinIsi = nullptr;
    TCaptionedEdit* cbYakinIsiYuksek = nullptr;
    TCaptionedEdit* cbYakinIsiDusuk = nullptr;
    QToolButton* btnYakinIsi = nullptr;

    // Exchange log column.
    QGroupBox* gbcihazdangelen = nullptr;
    QPlainTextEdit* mmo = nullptr;
    QPushButton* btnTemizle = nullptr;
    QFrame* pnlUzak = nullptr;

    QTimer* Timer1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void setUp();
    void buildWindow();
    void buildHeader();
    void buildBottomBar();
    void buildPage();
    QWidget* buildLeftColumn();
    QWidget* buildDeviceColumn();
    QWidget* buildLimitsColumn();
    QWidget* buildLogColumn();
    void wireHandlers();
    void wireWriteHandlers(); // MainWriteButtons.cpp
    void sendLimitPair(const TCaptionedEdit* high, const TCaptionedEdit* low,
                       const Quantity& quantity);
    void sendCalibration(const TCaptionedEdit* box);
    void writeAddress(const TCaptionedEdit* box, const AddressKind& kind);
    void bindClick(QAbstractButton* button, void (TfrmMain::*handler)(), HandlerKind kind);
    void fitOuterSize();
    void wireBehaviours();
    void SuggestFreeAddress();

    // The one guard every handler runs in: a handler the gate keeps for later runs
    // then; an escaping error ends the handler and is shown in the stop box; a
    // device handler is an operation and shows the wait cursor meanwhile.
    void runGuarded(const std::function<void()>& handler, HandlerKind kind);

    std::unique_ptr<Dialogs> ownDialogs_;
    Dialogs& dialogs_;
    TFKelvraDM* dataModule_ = nullptr;

    // What waits for the running operation is posted to the event loop after it.
    OperationGate gate_{[this](OperationGate::Action action) {
        QMetaObject::invokeMethod(this, std::move(action), Qt::QueuedConnection);
    }};

    bool shownOnce_ = false;
};

} // namespace kelvra
