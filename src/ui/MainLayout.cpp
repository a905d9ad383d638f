// The window's form: every container, field, caption, initial text and button.

#include "link/Operations.h"
#include "link/Protocol.h"
#include "ui/Accessibility.h"
#include "ui/Main.h"
#include "ui/Pictures.h"
#include "ui/ReadoutBoxes.h"
#include "ui/WindowFont.h"

#include <QBoxLayout>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cstddef>
#include <iterator>
#include <optional>

namespace kelvra {

namespace {

// Columns and bars.
constexpr int kHeaderHeight = 34;
constexpr int kBottomBarHeight = 46;
constexpr int kLeftColumnWidth = 262;
constexpr int kDeviceColumnWidth = 174;
constexpr int kLimitsColumnWidth = 208;
constexpr int kLogoWidth = 121;
constexpr int kLogHeight = 305;
constexpr int kCloseButtonLeft = 818;

// Rows of captioned fields.
constexpr int kCaptionHeight = 13;
constexpr int kBoxHeight = 21;
constexpr int kRowStep = 24;
constexpr int kCaptionGap = 3;
constexpr int kArrowSize = 21;
constexpr int kArrowIcon = 16;

const char* const kArrowPicture = "arrow-down-right";
// An arrow button's name and tool-tip: what it sends, in the accusative.
const char* const kSendPattern = "%1 cihaza gönder";
const char* const kLogoPicture = "logo";

// The window's look in one place. Fonts live here too: under a style sheet Qt no
// longer hands a window's font down to its children. Group frames are drawn the
// same on every platform, the title on the frame line, which leaves the fixed
// group heights room for their rows. %1 is the text size in pixels, %2 the family.
const char* const kWindowStyle = R"(
* { font-family: "%2"; font-size: %1px; }
kelvra--TFieldCaption { font-weight: bold; }
QPlainTextEdit#mmo { font-size: 9px; }
QLabel#lblBaslik { font-family: "Tahoma"; font-size: 20px; color: #800000;
                   background: transparent; }
QGroupBox { border: 1px solid #a9adb3; border-radius: 3px; margin-top: 6px; padding-top: 8px; }
QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;
                   left: 7px; padding: 0px 2px; }
QGroupBox#cxGroupBox1 { margin-top: 0px; padding-top: 0px; }
QFrame#pnlSaatTarih { border: 1px solid #a9adb3; border-radius: 3px; }
)";

// The address boxes' captions and the port's first text are the link's own, so the
// window and the command line name them alike. Each is a string literal, so its
// data() ends in a NUL.
struct FieldSpec {
    TCaptionedEdit* TfrmMain::*member; // null for a box no handler names
    const char* name;
    const char* caption;
    int captionWidth;
    int boxWidth;
    const char* text;
    bool readOnly;
    std::optional<ReadoutField> shows{}; // the readout value it shows
};

// Caption settings first, box bounds last, so the caption lands next to the box.
template <class Box>
void SetUpCaption(Box* box, const char* name, const char* caption, int captionWidth) {
    box->setObjectName(QString::fromLatin1(name));
    TFieldCaption* label = box->FieldCaption();
    label->setObjectName(QString::fromLatin1(name) + QStringLiteral("Caption"));
    label->setText(QString::fromUtf8(caption));
    label->resize(captionWidth, kCaptionHeight);
}

TCaptionedEdit* AddField(TfrmMain& form, QWidget* parent, const FieldSpec& field, int boxLeft,
                         int boxTop) {
    auto* box = new TCaptionedEdit(parent);
    SetUpCaption(box, field.name, field.caption, field.captionWidth);
    box->setText(QString::fromUtf8(field.text));
    box->setReadOnly(field.readOnly);
    box->setGeometry(boxLeft, boxTop, field.boxWidth, kBoxHeight);
    if (field.member != nullptr) {
        form.*field.member = box;
    }
    if (field.shows) {
        SetShownField(*box, *field.shows);
    }
    return box;
}

QToolButton* SpeedButton(QWidget* parent, const char* name, const char* text, const char* icon,
                         int iconSize) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    // Tab reaches it, a click does not take the focus from the box being typed in.
    button->setFocusPolicy(Qt::TabFocus);
    PressOnEnter(*button);
    button->setAutoRaise(true);
    button->setIcon(Picture(icon));
    button->setIconSize(QSize(iconSize, iconSize));
    if (text != nullptr) {
        button->setText(QString::fromUtf8(text));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    } else {
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        if (button->icon().isNull()) {
            // A text arrow: some styles draw no arrow of their own on a flat button.
            button->setText(QStringLiteral("\u00BB"));
            button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        }
    }
    return button;
}

QToolButton* ArrowButton(QWidget* parent, const char* name, const QWidget* besideBox,
                         const char* sends) {
    QToolButton* button = SpeedButton(parent, name, nullptr, kArrowPicture, kArrowIcon);
    const QString says = QString::fromUtf8(kSendPattern).arg(QString::fromUtf8(sends));
    button->setAccessibleName(says);
    button->setToolTip(says);
    const QRect box = besideBox->geometry();
    button->setGeometry(box.right() + 1 + 2, box.top(), kArrowSize, box.height());
    return button;
}

QPushButton* PushButton(QWidget* parent, const char* name, const char* text, const char* icon,
                        int iconSize) {
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    PressOnEnter(*button);
    button->setIcon(Picture(icon));
    button->setIconSize(QSize(iconSize, iconSize));
    return button;
}

QGroupBox* Group(QWidget* parent, const char* name, const char* title) {
    auto* group = new QGroupBox(QString::fromUtf8(title), parent);
    group->setObjectName(QString::fromLatin1(name));
    return group;
}

QFrame* Panel(QWidget* parent, const char* name, QFrame::Shape shape = QFrame::NoFrame) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameShape(shape);
    if (shape != QFrame::NoFrame) {
        panel->setFrameShadow(QFrame::Raised);
    }
    return panel;
}

QVBoxLayout* Stack(QWidget* owner, int margin = 0) {
    auto* layout = new QVBoxLayout(owner);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(0);
    return layout;
}

template <class W> W* Fixed(W* widget, int width, int height) {
    if (width > 0) {
        widget->setFixedWidth(width);
    }
    if (height > 0) {
        widget->setFixedHeight(height);
    }
    return widget;
}

// The first row below a group's title, and the first row in an untitled frame.
constexpr int kTitledFirstRow = 15;
constexpr int kFrameFirstRow = 8;
// Below the last row of an untitled frame.
constexpr int kFrameLastRowGap = 7;

// Boxes in one column, one row under the other.
struct RowGrid {
    int boxLeft;
    int top;
    int step = kRowStep;

    int row(int index) const { return top + index * step; }
};

} // namespace

void TfrmMain::buildWindow() {
    RegisterPictureResources();
    setWindowIcon(ProgramIcon());
    auto* layout = Stack(this);
    buildHeader();
    pc = new QTabWidget(this);
    pc->setObjectName(QStringLiteral("pc"));
    // The page's lone tab is no stop on the keyboard's way through the fields.
    pc->setFocusPolicy(Qt::NoFocus);
    pc->tabBar()->setFocusPolicy(Qt::NoFocus);
    buildPage();
    buildBottomBar();
    layout->addWidget(Panel1);
    layout->addWidget(pc, 1);
    layout->addWidget(Panel2);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));

    // Once every caption exists: the text size follows from their texts and widths.
    setStyleSheet(QString::fromLatin1(kWindowStyle)
                      .arg(FittingTextPixels(findChildren<TFieldCaption*>()))
                      .arg(WindowFontFamily()));

    NameRepeatedCaptions(*this);

    // Tab follows the order the window is built in: column by column, each from the top
    // down, a button after the boxes it stands beside, then the bottom bar from left to
    // right, and from "Kapat" back to the first box. A new row takes its place by itself.
    QList<QWidget*> stops;
    for (QWidget* widget : findChildren<QWidget*>()) {
        if ((widget->focusPolicy() & Qt::TabFocus) != 0 && !widget->objectName().isEmpty() &&
            !widget->objectName().startsWith(QStringLiteral("qt_"))) {
            stops << widget;
        }
    }
    for (qsizetype i = 1; i < stops.size(); ++i) {
        setTabOrder(stops[i - 1], stops[i]);
    }
    setTabOrder(stops.last(), stops.first());
    // Closing the ring moves the first box behind the last in Qt's chain, so the window
    // would start elsewhere; it starts in the first box.
    stops.first()->setFocus();
}

void TfrmMain::buildHeader() {
    Panel1 = Fixed(Panel(this, "Panel1", QFrame::StyledPanel), 0, kHeaderHeight);
    auto* bar = new QHBoxLayout(Panel1);
    bar->setContentsMargins(0, 0, 0, 0);
    bar->setSpacing(0);

    lblBaslik = new QLabel(QStringLiteral("KELVRA WIZARD"), Panel1);
    lblBaslik->setObjectName(QStringLiteral("lblBaslik"));
    lblBaslik->setAlignment(Qt::AlignCenter);

    cxImage1 = new QLabel(Panel1);
    cxImage1->setObjectName(QStringLiteral("cxImage1"));
    cxImage1->setFixedWidth(kLogoWidth);
    cxImage1->setAlignment(Qt::AlignCenter);
    cxImage1->setAutoFillBackground(false);
    cxImage1->setCursor(Qt::PointingHandCursor);
    const QIcon logo = Picture(kLogoPicture);
    if (logo.isNull()) {
        cxImage1->setText(QStringLiteral("ZOLT"));
    } else {
        cxImage1->setPixmap(logo.pixmap(QSize(kLogoWidth - 4, kHeaderHeight - 6)));
    }

    bar->addWidget(lblBaslik, 1);
    bar->addWidget(cxImage1);
}

void TfrmMain::buildBottomBar() {
    Panel2 = Fixed(Panel(this, "Panel2", QFrame::StyledPanel), 0, kBottomBarHeight);
    // Fixed places: the buttons keep them when the window is resized.
    btnBaglan = SpeedButton(Panel2, "btnBaglan", "Bağlan", "connect", 32);
    btnBaglan->setGeometry(4, 3, 100, 40);
    btnBilgileriAl =
        SpeedButton(Panel2, "btnBilgileriAl", "Bilgileri Al", kArrowPicture, 16);
    btnBilgileriAl->setGeometry(106, 3, 104, 40);
    btnKapat = PushButton(Panel2, "btnKapat", "Kapat", "exit", 24);
    btnKapat->setGeometry(kCloseButtonLeft, 6, 100, 34);
}

void TfrmMain::buildPage() {
    cxTabSheet6 = new QWidget;
    cxTabSheet6->setObjectName(QStringLiteral("cxTabSheet6"));
    pc->addTab(cxTabSheet6, QStringLiteral("6"));

    auto* columns = new QHBoxLayout(cxTabSheet6);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(0);
    columns->addWidget(buildLeftColumn());
    columns->addWidget(buildDeviceColumn());
    columns->addWidget(buildLimitsColumn());
    // Only the log column takes up a change of the window's width.
    columns->addWidget(buildLogColumn(), 1);
}

QWidget* TfrmMain::buildLeftColumn() {
    pnlsol = Fixed(Panel(cxTabSheet6, "pnlsol"), kLeftColumnWidth, 0);
    auto* column = Stack(pnlsol);
    pnlSolUst = Panel(pnlsol, "pnlSolUst");
    pnlSolAlt = Fixed(Panel(pnlsol, "pnlSolAlt"), 0, 50);
    column->addWidget(pnlSolUst, 1);
    column->addWidget(pnlSolAlt);

    auto* groups = Stack(pnlSolUst);
    gbCBaglanti = Fixed(Group(pnlSolUst, "gbCBaglanti", "Cihaz Bağlantı Bilgileri"), 0, 63);
    gbCihazaYazilacak =
        Fixed(Group(pnlSolUst, "gbCihazaYazilacak", "Cihaza Yazılacak Bilgiler"), 0, 149);
    gbTarihSaat = Fixed(Group(pnlSolUst, "gbTarihSaat", "Tarih Saat"), 0, 41);
    gbUzak = Fixed(Group(pnlSolUst, "gbUzak", "Uzak"), 0, 51);
    for (QGroupBox* group : {gbCBaglanti, gbCihazaYazilacak, gbTarihSaat, gbUzak}) {
        groups->addWidget(group);
    }
    groups->addStretch(1);

    const int wideBoxLeft = 8 + 120 + kCaptionGap;
    const RowGrid connection{wideBoxLeft, kTitledFirstRow, 22};
    AddField(*this, gbCBaglanti,
             {&TfrmMain::cihazIP, "cihazIP", "Cihaz IP Adresi", 120, 90, "192.168.1.200", false},
             connection.boxLeft, connection.row(0));
    AddField(*this, gbCBaglanti,
             {&TfrmMain::cihazPort, "cihazPort", "Cihaz Port Adresi", 120, 90,
              protocol::kDefaultPortText.data(), false},
             connection.boxLeft, connection.row(1));

    const RowGrid toWrite{wideBoxLeft, kTitledFirstRow, 23};
    const FieldSpec writeFields[] = {
        {&TfrmMain::yeniCihazIP, "yeniCihazIP", kDeviceAddressKind.caption.data(), 120, 90,
         "192.168.1.200", false, kDeviceAddressKind.field},
        {&TfrmMain::yeniAgGecidi, "yeniAgGecidi", kSubnetMaskKind.caption.data(), 120, 90,
         "255.255.255.0", false, kSubnetMaskKind.field},
        {&TfrmMain::yeniVarsayilanAg, "yeniVarsayilanAg", kGatewayKind.caption.data(), 120, 90,
         "192.168.1.1", false, kGatewayKind.field},
        {&TfrmMain::yeniDNS, "yeniDNS", kDnsServerKind.caption.data(), 120, 90, "192.168.1.1",
         false, kDnsServerKind.field},
    };
    QToolButton* TfrmMain::*const writeButtons[] = {&TfrmMain::btnYeniIP, &TfrmMain::btnAltAg,
                                                    &TfrmMain::btnVarsayilanAg, &TfrmMain::btnDNS};
    const char* const writeButtonNames[] = {"btnYeniIP", "btnAltAg", "btnVarsayilanAg", "btnDNS"};
    const char* const writeButtonSends[] = {"Yeni IP Adresini", "Alt Ağ Maskesini",
                                            "Varsayılan Ağ Geçidini", "DNS adresini"};
    for (int i = 0; i < 4; ++i) {
        TCaptionedEdit* box =
            AddField(*this, gbCihazaYazilacak, writeFields[i], toWrite.boxLeft, toWrite.row(i));
        QToolButton* arrow =
            ArrowButton(gbCihazaYazilacak, writeButtonNames[i], box, writeButtonSends[i]);
        arrow->hide(); // nothing in the program shows these four
        this->*writeButtons[i] = arrow;
    }
    btnCihazaUygula =
        PushButton(gbCihazaYazilacak, "btnCihazaUygula", "Cihaza Uygula", "apply", 32);
    // Wide enough for its text in a wide look-alike font too, and still inside the group.
    btnCihazaUygula->setGeometry(wideBoxLeft, toWrite.row(4) + 1, 120, 38);

    deTarihSaat = new TCaptionedDateEdit(gbTarihSaat);
    SetUpCaption(deTarihSaat, "deTarihSaat", "Tarih Saat", 70);
    deTarihSaat->setGeometry(8 + 70 + kCaptionGap, kTitledFirstRow, 125, kBoxHeight);
    btnTarihSaatSet = ArrowButton(gbTarihSaat, "btnTarihSaatSet", deTarihSaat, "Tarih ve saati");

    TCaptionedEdit* remote =
        AddField(*this, gbUzak,
                 {&TfrmMain::UzakIP, "UzakIP", kServerAddressKind.caption.data(), 120, 91,
                  "192.168.1.1", false},
                 wideBoxLeft, kTitledFirstRow + 3);
    BTNServerIP = ArrowButton(gbUzak, "BTNServerIP", remote, "Modem IP Adresini");
    return pnlsol;
}

QWidget* TfrmMain::buildDeviceColumn() {
    cbcihazbilgileri =
        Fixed(Group(cxTabSheet6, "cbcihazbilgileri", "Cihaz Bilgileri"), kDeviceColumnWidth, 0);
    auto* stack = Stack(cbcihazbilgileri, 1);
    // The device's values, one row a box from the top down; the group grows with its
    // rows. The two wider "Modem" captions reach further left; all boxes share a column.
    const FieldSpec identityFields[] = {
        {&TfrmMain::EDTCIHAZID, "EDTCIHAZID", "Cihaz ID", 60, 90, "", false,
         ReadoutField::Identity},
        {&TfrmMain::cIP, "cIP", "IP Adresi", 60, 90, "", true, ReadoutField::Address},
        {&TfrmMain::CPort, "CPort", "Port", 60, 90, "", true, ReadoutField::Port},
        {&TfrmMain::CMac, "CMac", "Mac", 60, 90, "", true, ReadoutField::Mac},
        {&TfrmMain::CGateway, "CGateway", "Gateway", 60, 90, "", true, ReadoutField::Gateway},
        {&TfrmMain::cIPMask, "cIPMask", "Ip Mask", 60, 90, "", true, ReadoutField::Mask},
        {&TfrmMain::cDNS, "cDNS", "DNS", 60, 90, "", true, ReadoutField::Dns},
        {&TfrmMain::CServerIP, "CServerIP", "Modem Ip", 68, 90, "", true, ReadoutField::Server},
        {&TfrmMain::cServerPort, "cServerPort", "Modem Port", 68, 90, "", true,
         ReadoutField::ServerPort},
    };
    const RowGrid identity{3 + 68 + kCaptionGap, kFrameFirstRow, 23};
    const int identityRows = static_cast<int>(std::size(identityFields));
    cxGroupBox1 = Fixed(Group(cbcihazbilgileri, "cxGroupBox1", ""), 0,
                        identity.row(identityRows - 1) + kBoxHeight + kFrameLastRowGap);
    cxGroupBox2 = Fixed(Group(cbcihazbilgileri, "cxGroupBox2", "Kalibrasyon"), 0, 62);
    pnlSaatTarih = Fixed(Panel(cbcihazbilgileri, "pnlSaatTarih"), 0, 105);
    stack->addWidget(cxGroupBox1);
    stack->addWidget(cxGroupBox2);
    stack->addWidget(pnlSaatTarih);
    stack->addStretch(1);
    int row = 0;
    for (const FieldSpec& field : identityFields) {
        AddField(*this, cxGroupBox1, field, identity.boxLeft, identity.row(row++));
    }

    const RowGrid calibration{6 + 75 + kCaptionGap, kTitledFirstRow, 22};
    TCaptionedEdit* plus =
        AddField(*this, cxGroupBox2,
                 {&TfrmMain::cbKalibrasyonArti, "cbKalibrasyonArti", "+", 75, 51, "", false},
                 calibration.boxLeft, calibration.row(0));
    btnKalibrasyonArti =
        ArrowButton(cxGroupBox2, "btnKalibrasyonArti", plus, "Kalibrasyon + değerini");
    TCaptionedEdit* minus =
        AddField(*this, cxGroupBox2,
                 {&TfrmMain::cbKalibrasyonEksi, "cbKalibrasyonEksi", "-", 75, 51, "", false},
                 calibration.boxLeft, calibration.row(1));
    btnKalibrasyonEksi =
        ArrowButton(cxGroupBox2, "btnKalibrasyonEksi", minus, "Kalibrasyon - değerini");

    const RowGrid clock{6 + 75 + kCaptionGap, kFrameFirstRow, kRowStep};
    AddField(*this, pnlSaatTarih,
             {&TfrmMain::cbSaat, "cbSaat", "Saat", 75, 74, "", true, ReadoutField::Time},
             clock.boxLeft, clock.row(0));
    AddField(*this, pnlSaatTarih,
             {&TfrmMain::cbTarih, "cbTarih", "Tarih", 75, 75, "", true, ReadoutField::Date},
             clock.boxLeft, clock.row(1));
    return cbcihazbilgileri;
}

QWidget* TfrmMain::buildLimitsColumn() {
    gbsetbilgileri =
        Fixed(Group(cxTabSheet6, "gbsetbilgileri", "Set Bilgileri"), kLimitsColumnWidth, 0);
    auto* stack = Stack(gbsetbilgileri, 2);

    struct LimitGroup {
        QGroupBox* TfrmMain::*group;
        const char* name;
        const char* title;
        FieldSpec high;
        FieldSpec low;
        QToolButton* TfrmMain::*button;
        const char* buttonName;
        const char* sends;
    };
    const LimitGroup limits[] = {
        {&TfrmMain::gbDolapIsi,
         "gbDolapIsi",
         "Dolap Isı",
         {&TfrmMain::cbDolapIsiYuksek, "cbDolapIsiYuksek", "En Yüksek", 75, 75, "", false,
          ReadoutField::CabinetHigh},
         {&TfrmMain::cbDolapIsiDusuk, "cbDolapIsiDusuk", "En Düşük", 75, 75, "", false,
          ReadoutField::CabinetLow},
         &TfrmMain::btnDolapIsiSet,
         "btnDolapIsiSet",
         "Dolap Isı sınırlarını"},
        {&TfrmMain::gbNem,
         "gbNem",
         "Nem",
         {&TfrmMain::cbNemYuksek, "cbNemYuksek", "En Yüksek", 75, 75, "", false,
          ReadoutField::HumidityHigh},
         {&TfrmMain::cbNemDusuk, "cbNemDusuk", "En Düşük", 75, 75, "", false,
          ReadoutField::HumidityLow},
         &TfrmMain::btnNem,
         "btnNem",
         "Nem sınırlarını"},
        {&TfrmMain::gbOrtamIsi,
         "gbOrtamIsi",
         "Ortam Isı",
         {&TfrmMain::cbOrtamIsiY, "cbOrtamIsiY", "En Yüksek", 75, 75, "", false,
          ReadoutField::AmbientHigh},
         {&TfrmMain::cbOrtamIsiD, "cbOrtamIsiD", "En Düşük", 75, 75, "", false,
          ReadoutField::AmbientLow},
         &TfrmMain::btnOrtamIsi,
         "btnOrtamIsi",
         "Ortam Isı sınırlarını"},
        {&TfrmMain::gbBasinc,
         "gbBasinc",
         "Basınç",
         {&TfrmMain::cbBasincYuksek, "cbBasincYuksek", "En Yüksek", 75, 75, "", false,
          ReadoutField::PressureHigh},
         {&TfrmMain::cbBasincDusuk, "cbBasincDusuk", "En Düşük", 75, 75, "", false,
          ReadoutField::PressureLow},
         &TfrmMain::btnBasinc,
         "btnBasinc",
         "Basınç sınırlarını"},
        {&TfrmMain::gbYakinIsi,
         "gbYakinIsi",
         "Yakın Isı",
         {&TfrmMain::cbYakinIsiYuksek, "cbYakinIsiYuksek", "Yüksek", 75, 75, "", false,
          ReadoutField::NearHigh},
         {&TfrmMain::cbYakinIsiDusuk, "cbYakinIsiDusuk", "Düşük", 75, 75, "", false,
          ReadoutField::NearLow},
         &TfrmMain::btnYakinIsi,
         "btnYakinIsi",
         "Yakın Isı sınırlarını"},
    };
    for (const LimitGroup& limit : limits) {
        QGroupBox* group = Fixed(Group(gbsetbilgileri, limit.name, limit.title), 0, 60);
        stack->addWidget(group);
        this->*limit.group = group;
        const RowGrid rows{6 + 75 + kCaptionGap, kTitledFirstRow, 22};
        AddField(*this, group, limit.high, rows.boxLeft, rows.row(0));
        TCaptionedEdit* low = AddField(*this, group, limit.low, rows.boxLeft, rows.row(1));
        // One button for the pair, as tall as both boxes together.
        QToolButton* button = ArrowButton(group, limit.buttonName, low, limit.sends);
        button->setGeometry(low->geometry().right() + 1 + 8, rows.row(0), 26,
                            rows.row(1) + kBoxHeight - rows.row(0));
        this->*limit.button = button;
    }
    stack->addStretch(1);
    return gbsetbilgileri;
}

QWidget* TfrmMain::buildLogColumn() {
    gbcihazdangelen = Group(cxTabSheet6, "gbcihazdangelen", "Cihazdan Gelen Bilgi");
    auto* stack = Stack(gbcihazdangelen, 4);

    mmo = Fixed(new QPlainTextEdit(gbcihazdangelen), 0, kLogHeight);
    mmo->setObjectName(QStringLiteral("mmo"));
    mmo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mmo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mmo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Tab leaves the log for the next field rather than typing a tab into it.
    mmo->setTabChangesFocus(true);

    btnTemizle = PushButton(gbcihazdangelen, "btnTemizle", "Temizle", "clear-log", 48);
    btnTemizle->setFixedSize(120, 58);

    pnlUzak = Fixed(Panel(gbcihazdangelen, "pnlUzak"), 55, 37);
    pnlUzak->hide(); // until a double-click on the bottom bar's free part

    auto* buttonRow = new QHBoxLayout;
    buttonRow->setContentsMargins(0, 4, 0, 0);
    buttonRow->addStretch(1);
    buttonRow->addWidget(btnTemizle);
    stack->addWidget(mmo);
    stack->addLayout(buttonRow);
    stack->addStretch(1);
    stack->addWidget(pnlUzak, 0, Qt::AlignLeft);
    return gbcihazdangelen;
}

} // namespace kelvra
