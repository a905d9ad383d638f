#include "UiSuites.h"
#include "WindowRig.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QDateTime>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace kelvra::uitest {

namespace {

// The caption side of either kind of captioned box.
const CaptionedBox* AsCaptioned(const QWidget* box) {
    if (const auto* edit = qobject_cast<const TCaptionedEdit*>(box)) {
        return edit;
    }
    if (const auto* date = qobject_cast<const TCaptionedDateEdit*>(box)) {
        return date;
    }
    return nullptr;
}

// Left edge of a widget in the window's coordinates.
int WindowX(const QWidget* widget, const QWidget* window) {
    return widget->mapTo(window, QPoint(0, 0)).x();
}

} // namespace

class MainWindowLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void fields_data();
    void fields();
    void buttons_data();
    void buttons();
    void containers_data();
    void containers();
    void windowFrame();
    void barsAndColumns();
    void onlyTheLogColumnFollowsTheWidth_data();
    void onlyTheLogColumnFollowsTheWidth();
    void clockBox();

private:
    std::unique_ptr<WindowRig> rig_;
};

void MainWindowLayoutTest::init() {
    rig_ = std::make_unique<WindowRig>();
    rig_->show();
}

void MainWindowLayoutTest::cleanup() {
    rig_.reset();
}

void MainWindowLayoutTest::fields_data() {
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("captionWidth");
    QTest::addColumn<int>("boxWidth");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("readOnly");

    struct Row {
        const char* name;
        const char* group;
        const char* caption;
        int captionWidth;
        int boxWidth;
        const char* text;
        bool readOnly;
    };
    const Row rows[] = {
        {"cihazIP", "gbCBaglanti", "Cihaz IP Adresi", 120, 90, "192.168.1.200", false},
        {"cihazPort", "gbCBaglanti", "Cihaz Port Adresi", 120, 90, "10001", false},
        {"yeniCihazIP", "gbCihazaYazilacak", "Yeni IP Adresi", 120, 90, "192.168.1.200", false},
        {"yeniAgGecidi", "gbCihazaYazilacak", "Alt Ağ Maskesi", 120, 90, "255.255.255.0", false},
        {"yeniVarsayilanAg", "gbCihazaYazilacak", "Varsayılan Ağ Geçidi", 120, 90, "192.168.1.1",
         false},
        {"yeniDNS", "gbCihazaYazilacak", "DNS", 120, 90, "192.168.1.1", false},
        {"deTarihSaat", "gbTarihSaat", "Tarih Saat", 70, 125, "", true},
        {"UzakIP", "gbUzak", "Modem IP Adresi", 120, 91, "192.168.1.1", false},
        {"EDTCIHAZID", "cxGroupBox1", "Cihaz ID", 60, 90, "", false},
        {"cIP", "cxGroupBox1", "IP Adresi", 60, 90, "", true},
        {"CPort", "cxGroupBox1", "Port", 60, 90, "", true},
        {"CMac", "cxGroupBox1", "Mac", 60, 90, "", true},
        {"CGateway", "cxGroupBox1", "Gateway", 60, 90, "", true},
        {"cIPMask", "cxGroupBox1", "Ip Mask", 60, 90, "", true},
        {"cDNS", "cxGroupBox1", "DNS", 60, 90, "", true},
        {"CServerIP", "cxGroupBox1", "Modem Ip", 68, 90, "", true},
        {"cServerPort", "cxGroupBox1", "Modem Port", 68, 90, "", true},
        {"cbKalibrasyonArti", "cxGroupBox2", "+", 75, 51, "", false},
        {"cbKalibrasyonEksi", "cxGroupBox2", "-", 75, 51, "", false},
        {"cbSaat", "pnlSaatTarih", "Saat", 75, 74, "", true},
        {"cbTarih", "pnlSaatTarih", "Tarih", 75, 75, "", true},
        {"cbDolapIsiYuksek", "gbDolapIsi", "En Yüksek", 75, 75, "", false},
        {"cbDolapIsiDusuk", "gbDolapIsi", "En Düşük", 75, 75, "", false},
        {"cbNemYuksek", "gbNem", "En Yüksek", 75, 75, "", false},
        {"cbNemDusuk", "gbNem", "En Düşük", 75, 75, "", false},
        {"cbOrtamIsiY", "gbOrtamIsi", "En Yüksek", 75, 75, "", false},
        {"cbOrtamIsiD", "gbOrtamIsi", "En Düşük", 75, 75, "", false},
        {"cbBasincYuksek", "gbBasinc", "En Yüksek", 75, 75, "", false},
        {"cbBasincDusuk", "gbBasinc", "En Düşük", 75, 75, "", false},
        {"cbYakinIsiYuksek", "gbYakinIsi", "Yüksek", 75, 75, "", false},
        {"cbYakinIsiDusuk", "gbYakinIsi", "Düşük", 75, 75, "", false},
    };
    for (const Row& r : rows) {
        QTest::newRow(r.name) << Utf8(r.group) << Utf8(r.caption) << r.captionWidth << r.boxWidth
                              << Utf8(r.text) << r.readOnly;
    }
}

void MainWindowLayoutTest::fields() {
    QFETCH(QString, group);
    QFETCH(QString, caption);
    QFETCH(int, captionWidth);
    QFETCH(int, boxWidth);
    QFETCH(QString, text);
    QFETCH(bool, readOnly);

    const QString name = QString::fromLatin1(QTest::currentDataTag());
    auto* box = rig_->window.findChild<QWidget*>(name);
    QVERIFY2(box != nullptr, qPrintable(name));
    const CaptionedBox* captioned = AsCaptioned(box);
    QVERIFY(captioned != nullptr);
    const TFieldCaption* label = captioned->FieldCaption();
    QVERIFY(label != nullptr);

    QCOMPARE(box->parentWidget()->objectName(), group);
    QVERIFY(box->isVisible());
    QCOMPARE(box->width(), boxWidth);
    if (const auto* edit = qobject_cast<const QLineEdit*>(box)) {
        QCOMPARE(edit->text(), text);
        QCOMPARE(edit->isReadOnly(), readOnly);
    } else {
        const auto* date = qobject_cast<const QDateTimeEdit*>(box);
        QVERIFY(date != nullptr);
        QVERIFY(date->text().trimmed().isEmpty()); // until the clock's first tick
        QCOMPARE(date->isReadOnly(), readOnly);
    }

    QCOMPARE(label->text(), caption);
    QVERIFY(label->isVisible());
    QCOMPARE(label->parentWidget(), box->parentWidget());
    QCOMPARE(label->width(), captionWidth);
    QCOMPARE(label->height(), 13);
    QCOMPARE(label->x() + captionWidth + 3, box->x());
    QCOMPARE(label->y(), box->y() + (box->height() - 13) / 2);
    QVERIFY(label->font().bold());
    QCOMPARE(label->font().pixelSize(), 11);
    QVERIFY(label->alignment() & Qt::AlignLeft);
    QCOMPARE(captioned->CaptionPosition(), kelvra::lpLeft);
    QCOMPARE(captioned->CaptionSpacing(), 3);
    // Inside its group, not clipped by the group's edges.
    QVERIFY(box->parentWidget()->rect().contains(box->geometry()));
    QVERIFY(box->parentWidget()->rect().contains(label->geometry()));

    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
    QVERIFY(accessible != nullptr);
    QCOMPARE(accessible->text(QAccessible::Name), caption);
}

void MainWindowLayoutTest::buttons_data() {
    QTest::addColumn<QString>("parent");
    QTest::addColumn<bool>("push");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("iconSize");
    QTest::addColumn<bool>("shown");

    struct Row {
        const char* name;
        const char* parent;
        bool push;
        const char* text;
        int iconSize;
        bool shown;
    };
    const Row rows[] = {
        {"btnBaglan", "Panel2", false, "Bağlan", 32, true},
        {"btnBilgileriAl", "Panel2", false, "Bilgileri Al", 16, true},
        {"btnKapat", "Panel2", true, "Kapat", 24, true},
        {"btnCihazaUygula", "gbCihazaYazilacak", true, "Cihaza Uygula", 32, true},
        {"btnYeniIP", "gbCihazaYazilacak", false, "", 16, false},
        {"btnAltAg", "gbCihazaYazilacak", false, "", 16, false},
        {"btnVarsayilanAg", "gbCihazaYazilacak", false, "", 16, false},
        {"btnDNS", "gbCihazaYazilacak", false, "", 16, false},
        {"btnTarihSaatSet", "gbTarihSaat", false, "", 16, true},
        {"BTNServerIP", "gbUzak", false, "", 16, true},
        {"btnKalibrasyonArti", "cxGroupBox2", false, "", 16, true},
        {"btnKalibrasyonEksi", "cxGroupBox2", false, "", 16, true},
        {"btnDolapIsiSet", "gbDolapIsi", false, "", 16, true},
        {"btnNem", "gbNem", false, "", 16, true},
        {"btnOrtamIsi", "gbOrtamIsi", false, "", 16, true},
        {"btnBasinc", "gbBasinc", false, "", 16, true},
        {"btnYakinIsi", "gbYakinIsi", false, "", 16, true},
        {"btnTemizle", "gbcihazdangelen", true, "Temizle", 48, true},
    };
    for (const Row& r : rows) {
        QTest::newRow(r.name) << Utf8(r.parent) << r.push << Utf8(r.text) << r.iconSize << r.shown;
    }
}

void MainWindowLayoutTest::buttons() {
    QFETCH(QString, parent);
    QFETCH(bool, push);
    QFETCH(QString, text);
    QFETCH(int, iconSize);
    QFETCH(bool, shown);

    const QString name = QString::fromLatin1(QTest::currentDataTag());
    auto* button = rig_->window.findChild<QAbstractButton*>(name);
    QVERIFY2(button != nullptr, qPrintable(name));
    QCOMPARE(button->parentWidget()->objectName(), parent);
    QCOMPARE(button->text(), text);
    QCOMPARE(button->isVisible(), shown);
    QVERIFY(!button->icon().isNull());
    QCOMPARE(button->iconSize(), QSize(iconSize, iconSize));
    // The picture is drawn at its designed size.
    QCOMPARE(button->icon().pixmap(button->iconSize()).deviceIndependentSize().toSize(),
             QSize(iconSize, iconSize));
    if (push) {
        QVERIFY(qobject_cast<QPushButton*>(button) != nullptr);
        QVERIFY(button->focusPolicy() != Qt::NoFocus);
    } else {
        auto* speed = qobject_cast<QToolButton*>(button);
        QVERIFY(speed != nullptr);
        QCOMPARE(speed->focusPolicy(), Qt::NoFocus);
        QVERIFY(speed->autoRaise());
    }
    if (shown) {
        QVERIFY(button->parentWidget()->rect().contains(button->geometry()));
    }
}

void MainWindowLayoutTest::containers_data() {
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("shown");

    struct Row {
        const char* name;
        const char* parent;
        const char* title; // nullptr: a panel, not a group
        int width;         // 0: follows the window
        int height;
        bool shown;
    };
    const Row rows[] = {
        {"Panel1", "", nullptr, 0, 34, true},
        {"Panel2", "", nullptr, 0, 46, true},
        {"pnlsol", "cxTabSheet6", nullptr, 262, 0, true},
        {"pnlSolUst", "pnlsol", nullptr, 262, 0, true},
        {"gbCBaglanti", "pnlSolUst", "Cihaz Bağlantı Bilgileri", 262, 63, true},
        {"gbCihazaYazilacak", "pnlSolUst", "Cihaza Yazılacak Bilgiler", 262, 149, true},
        {"gbTarihSaat", "pnlSolUst", "Tarih Saat", 262, 41, true},
        {"gbUzak", "pnlSolUst", "Uzak", 262, 51, true},
        {"pnlSolAlt", "pnlsol", nullptr, 262, 50, true},
        {"cbcihazbilgileri", "cxTabSheet6", "Cihaz Bilgileri", 174, 0, true},
        {"cxGroupBox1", "cbcihazbilgileri", "", 0, 220, true},
        {"cxGroupBox2", "cbcihazbilgileri", "Kalibrasyon", 0, 62, true},
        {"pnlSaatTarih", "cbcihazbilgileri", nullptr, 0, 105, true},
        {"gbsetbilgileri", "cxTabSheet6", "Set Bilgileri", 208, 0, true},
        {"gbDolapIsi", "gbsetbilgileri", "Dolap Isı", 0, 60, true},
        {"gbNem", "gbsetbilgileri", "Nem", 0, 60, true},
        {"gbOrtamIsi", "gbsetbilgileri", "Ortam Isı", 0, 60, true},
        {"gbBasinc", "gbsetbilgileri", "Basınç", 0, 60, true},
        {"gbYakinIsi", "gbsetbilgileri", "Yakın Isı", 0, 60, true},
        {"gbcihazdangelen", "cxTabSheet6", "Cihazdan Gelen Bilgi", 0, 0, true},
        {"pnlUzak", "gbcihazdangelen", nullptr, 55, 37, false},
    };
    for (const Row& r : rows) {
        QTest::newRow(r.name) << Utf8(r.parent) << (r.title == nullptr ? QString() : Utf8(r.title))
                              << r.width << r.height << r.shown;
    }
}

void MainWindowLayoutTest::containers() {
    QFETCH(QString, parent);
    QFETCH(QString, title);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, shown);

    const QString name = QString::fromLatin1(QTest::currentDataTag());
    auto* container = rig_->window.findChild<QWidget*>(name);
    QVERIFY2(container != nullptr, qPrintable(name));
    const QWidget* expectedParent =
        parent.isEmpty() ? &rig_->window : rig_->window.findChild<QWidget*>(parent);
    QCOMPARE(container->parentWidget(), expectedParent);
    if (title.isNull()) {
        QVERIFY(qobject_cast<QFrame*>(container) != nullptr);
    } else {
        auto* group = qobject_cast<QGroupBox*>(container);
        QVERIFY(group != nullptr);
        QCOMPARE(group->title(), title);
    }
    if (width > 0) {
        QCOMPARE(container->width(), width);
    }
    if (height > 0) {
        QCOMPARE(container->height(), height);
    }
    QCOMPARE(container->isVisible(), shown);
}

void MainWindowLayoutTest::windowFrame() {
    const TfrmMain& window = rig_->window;
    QCOMPARE(window.windowTitle(), QStringLiteral("ZOLT KELVRA WIZARD"));
    // Outer size and place, frame included (the offscreen platform has a thin one).
    QCOMPARE(window.frameGeometry(), QRect(158, 45, 1070, 600));
    QCOMPARE(window.font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(window.font().pixelSize(), 11);

    QCOMPARE(window.lblBaslik->text(), QStringLiteral("KELVRA WIZARD"));
    QCOMPARE(window.lblBaslik->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(window.lblBaslik->font().pixelSize(), 20);
    QCOMPARE(window.lblBaslik->palette().color(QPalette::WindowText), QColor(0x80, 0x00, 0x00));
    QVERIFY(window.lblBaslik->alignment() & Qt::AlignHCenter);
    QVERIFY(!window.lblBaslik->autoFillBackground());

    QCOMPARE(window.cxImage1->width(), 121);
    QCOMPARE(window.cxImage1->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(!window.cxImage1->pixmap().isNull());

    QCOMPARE(window.mmo->font().pixelSize(), 9);
    QVERIFY(window.mmo->toPlainText().isEmpty());

    QCOMPARE(window.pc->count(), 1);
    QCOMPARE(window.pc->widget(0), window.cxTabSheet6);
    QCOMPARE(window.pc->tabText(0), QStringLiteral("6"));
}

void MainWindowLayoutTest::barsAndColumns() {
    TfrmMain& w = rig_->window;
    QCOMPARE(w.Panel1->geometry(), QRect(0, 0, w.width(), 34));
    QCOMPARE(w.Panel2->geometry(), QRect(0, w.height() - 46, w.width(), 46));
    QCOMPARE(w.pc->geometry(), QRect(0, 34, w.width(), w.height() - 34 - 46));

    // The title is centred in the bar's width left of the logo, the logo at its end.
    QCOMPARE(w.cxImage1->geometry().right(), w.Panel1->contentsRect().right());
    QCOMPARE(w.lblBaslik->geometry().right() + 1, w.cxImage1->x());
    QCOMPARE(w.lblBaslik->x(), w.Panel1->contentsRect().left());

    // Four columns side by side, filling the page.
    const int page = w.cxTabSheet6->width();
    QCOMPARE(w.pnlsol->geometry().x(), 0);
    QCOMPARE(w.cbcihazbilgileri->x(), 262);
    QCOMPARE(w.gbsetbilgileri->x(), 262 + 174);
    QCOMPARE(w.gbcihazdangelen->x(), 262 + 174 + 208);
    QCOMPARE(w.gbcihazdangelen->width(), page - 262 - 174 - 208);
    for (QWidget* column :
         {static_cast<QWidget*>(w.pnlsol), static_cast<QWidget*>(w.cbcihazbilgileri),
          static_cast<QWidget*>(w.gbsetbilgileri), static_cast<QWidget*>(w.gbcihazdangelen)}) {
        QCOMPARE(column->height(), w.cxTabSheet6->height());
    }

    // The left column's strip lies at its bottom, the groups stacked from its top.
    QCOMPARE(w.pnlSolAlt->geometry().bottom(), w.pnlsol->height() - 1);
    QCOMPARE(w.gbCBaglanti->y(), 0);
    QCOMPARE(w.gbCihazaYazilacak->y(), 63);
    QCOMPARE(w.gbTarihSaat->y(), 63 + 149);
    QCOMPARE(w.gbUzak->y(), 63 + 149 + 41);

    // The log across the top of its group, "Temizle" below it, the panel at the lower left.
    QCOMPARE(w.mmo->height(), 305);
    QVERIFY(w.btnTemizle->y() >= w.mmo->geometry().bottom());
    QCOMPARE(w.btnKapat->x(), 818);
    QVERIFY(w.btnBaglan->x() < 10);
    QVERIFY(w.btnBaglan->geometry().right() < w.btnBilgileriAl->x());

    // Hidden, the panel takes no room; shown, it sits at the group's lower left.
    w.pnlUzak->show();
    QTRY_COMPARE(w.pnlUzak->x(), w.mmo->x());
    QVERIFY(w.pnlUzak->geometry().bottom() < w.gbcihazdangelen->height());
    QVERIFY(w.pnlUzak->y() > w.btnTemizle->geometry().bottom());
    QCOMPARE(w.pnlUzak->size(), QSize(55, 37));
}

void MainWindowLayoutTest::onlyTheLogColumnFollowsTheWidth_data() {
    QTest::addColumn<int>("width");
    QTest::newRow("wider") << 1270;
    QTest::newRow("narrower") << 980;
    QTest::newRow("much wider") << 1600;
}

void MainWindowLayoutTest::onlyTheLogColumnFollowsTheWidth() {
    QFETCH(int, width);
    TfrmMain& w = rig_->window;
    const int logColumn = w.gbcihazdangelen->width();
    const int log = w.mmo->width();
    const int closeX = WindowX(w.btnKapat, &w);
    const int delta = width - w.width();

    w.resize(width, 700);
    QTRY_COMPARE(w.Panel1->width(), width);
    QCOMPARE(w.gbcihazdangelen->width(), logColumn + delta);
    QCOMPARE(w.mmo->width(), log + delta);
    QCOMPARE(w.mmo->height(), 305);
    QCOMPARE(w.pnlsol->width(), 262);
    QCOMPARE(w.cbcihazbilgileri->width(), 174);
    QCOMPARE(w.gbsetbilgileri->width(), 208);
    QCOMPARE(WindowX(w.gbcihazdangelen, &w), WindowX(w.gbsetbilgileri, &w) + 208);
    QCOMPARE(WindowX(w.btnKapat, &w), closeX);
    QCOMPARE(w.Panel2->y(), 700 - 46);
    QCOMPARE(w.Panel2->height(), 46);
}

void MainWindowLayoutTest::clockBox() {
    TfrmMain& w = rig_->window;
    QCOMPARE(w.Timer1->interval(), 1000);
    QVERIFY(w.Timer1->isActive());

    const QDateTime before = QDateTime::currentDateTime();
    w.Timer1Timer();
    const QDateTime after = QDateTime::currentDateTime();
    // The box keeps whole seconds of the moment it was set.
    QVERIFY(w.deTarihSaat->dateTime() >= before.addMSecs(-1000));
    QVERIFY(w.deTarihSaat->dateTime() <= after);
    QVERIFY(!w.deTarihSaat->text().trimmed().isEmpty());

    // The timer itself sets the box, without being called.
    w.deTarihSaat->setDateTime(w.deTarihSaat->minimumDateTime());
    QTRY_VERIFY_WITH_TIMEOUT(w.deTarihSaat->dateTime() >= before.addMSecs(-1000), 2500);
}

std::unique_ptr<QObject> MakeMainWindowLayoutTest() {
    return std::make_unique<MainWindowLayoutTest>();
}

} // namespace kelvra::uitest

#include "MainWindowLayoutTest.moc"
