#include "support/FakeDevice.h"
#include "ui/UiSuites.h"
#include "ui/WindowRig.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDateTime>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <algorithm>
#include <tuple>
#include <utility>

namespace kelvra::uitest {

namespace {

struct Field {
    const char* name;
    const char* group;
    const char* caption;
    int captionWidth;
    int boxWidth;
    const char* text;
    bool readOnly;
};

const Field kFields[] = {
    {"cihazIP", "gbCBaglanti", "Cihaz IP Adresi", 120, 90, "192.168.1.200", false},
    {"cihazPort", "gbCBaglanti", "Cihaz Port Adresi", 120, 90, "10001", false},
    // Proposed at the first show: on the rig's network .251 is free.
    {"yeniCihazIP", "gbCihazaYazilacak", "Yeni IP Adresi", 120, 90, "192.168.1.251", false},
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

struct Button {
    const char* name;
    const char* parent;
    bool push; // a push button, or a speed button that takes focus from Tab alone
    const char* text;
    int iconSize;
    bool shown;
};

const Button kButtons[] = {
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

struct Container {
    const char* name;
    const char* parent; // "": the window
    const char* title;  // nullptr: a panel, not a group
    int width;          // 0: follows the window
    int height;
    bool shown;
};

const Container kContainers[] = {
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

// Left edge of a widget in the window's coordinates.
int WindowX(const QWidget* widget, const QWidget* window) {
    return widget->mapTo(window, QPoint(0, 0)).x();
}

// The width a widget's own text needs in its font and style, and the width it has.
struct TextRoom {
    QString text;
    int needed = 0;
    int available = 0;
};

TextRoom RoomOf(const QWidget& widget) {
    const QFontMetrics metrics = widget.fontMetrics();
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        return {label->text(), metrics.horizontalAdvance(label->text()),
                label->contentsRect().width() - 2 * label->margin()};
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) {
        // The title, with the style's indent and padding, inside the frame.
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = group->title();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect title = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                           QStyle::SC_GroupBoxLabel, group);
        return {group->title(),
                title.left() + std::max(title.width(), metrics.horizontalAdvance(group->title())),
                group->width()};
    }
    const auto* button = qobject_cast<const QAbstractButton*>(&widget);
    if (button == nullptr || button->text().isEmpty()) {
        return {};
    }
    // The picture, Qt's gap of 4 before the text, the text, and the style's margins.
    const QSize contents(button->iconSize().width() + 4 + metrics.horizontalAdvance(button->text()),
                         button->iconSize().height());
    QStyleOptionToolButton tool;
    QStyleOptionButton push;
    const bool isTool = qobject_cast<const QToolButton*>(button) != nullptr;
    QStyleOption& option = isTool ? static_cast<QStyleOption&>(tool) : push;
    option.initFrom(button);
    tool.toolButtonStyle = Qt::ToolButtonTextBesideIcon;
    tool.text = push.text = button->text();
    tool.icon = push.icon = button->icon();
    tool.iconSize = push.iconSize = button->iconSize();
    const QSize needed = button->style()->sizeFromContents(
        isTool ? QStyle::CT_ToolButton : QStyle::CT_PushButton, &option, contents, button);
    return {button->text(), needed.width(), button->width()};
}

// The shown and enabled controls under a node of the tree a screen reader reads.
void CollectShownControls(QAccessibleInterface* node, QList<QAccessibleInterface*>& controls) {
    const QList<QAccessible::Role> roles{QAccessible::PushButton,   QAccessible::ButtonMenu,
                                         QAccessible::EditableText, QAccessible::SpinBox,
                                         QAccessible::CheckBox,     QAccessible::ComboBox};
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child->state().invisible && !child->state().disabled) {
            if (roles.contains(child->role())) {
                controls << child;
            }
            CollectShownControls(child, controls);
        }
    }
}

} // namespace

class MainWindowLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        rig_ = std::make_unique<WindowRig>();
        rig_->show();
    }
    void cleanup() { rig_.reset(); }

    void fields_data() { AddRows(kFields); }
    void fields() {
        const Field& f = Row(kFields);
        auto* box = rig_->window.findChild<QWidget*>(f.name);
        QVERIFY(box != nullptr);
        const auto* captioned = dynamic_cast<const CaptionedBox*>(box);
        QVERIFY(captioned != nullptr);
        const TFieldCaption* label = captioned->FieldCaption();
        QVERIFY(label != nullptr);

        QCOMPARE(box->parentWidget()->objectName(), Utf8(f.group));
        QVERIFY(box->isVisible());
        QCOMPARE(box->width(), f.boxWidth);
        if (const auto* edit = qobject_cast<const QLineEdit*>(box)) {
            QCOMPARE(edit->text(), Utf8(f.text));
            QCOMPARE(edit->isReadOnly(), f.readOnly);
        } else {
            const auto* date = qobject_cast<const QDateTimeEdit*>(box);
            QVERIFY(date->text().trimmed().isEmpty()); // until the clock's first tick
            QCOMPARE(date->isReadOnly(), f.readOnly);
        }

        QCOMPARE(label->text(), Utf8(f.caption));
        QVERIFY(label->isVisible());
        QCOMPARE(label->parentWidget(), box->parentWidget());
        QCOMPARE(label->size(), QSize(f.captionWidth, 13));
        // 3 px left of its box and centred on it, both inside the group.
        QCOMPARE(label->x() + f.captionWidth + 3, box->x());
        QCOMPARE(label->y(), box->y() + (box->height() - 13) / 2);
        QVERIFY(box->parentWidget()->rect().contains(box->geometry()));
        QVERIFY(box->parentWidget()->rect().contains(label->geometry()));
        // The caption names the box, after its groups where the caption repeats.
        QVERIFY(QAccessible::queryAccessibleInterface(box)
                    ->text(QAccessible::Name)
                    .endsWith(Utf8(f.caption)));
    }

    void buttons_data() { AddRows(kButtons); }
    void buttons() {
        const Button& b = Row(kButtons);
        auto* button = rig_->window.findChild<QAbstractButton*>(b.name);
        QVERIFY(button != nullptr);
        QCOMPARE(button->parentWidget()->objectName(), Utf8(b.parent));
        QCOMPARE(button->text(), Utf8(b.text));
        QCOMPARE(button->isVisible(), b.shown);
        // The picture is there and drawn at its designed size.
        const QSize size(b.iconSize, b.iconSize);
        QCOMPARE(button->iconSize(), size);
        QCOMPARE(button->icon().pixmap(size).deviceIndependentSize().toSize(), size);
        if (b.push) {
            QVERIFY(qobject_cast<QPushButton*>(button) != nullptr);
        } else {
            QVERIFY(qobject_cast<QToolButton*>(button) != nullptr);
            QCOMPARE(button->focusPolicy(), Qt::TabFocus);
        }
        QVERIFY(!b.shown || button->parentWidget()->rect().contains(button->geometry()));
    }

    void containers_data() { AddRows(kContainers); }
    void containers() {
        const Container& c = Row(kContainers);
        auto* container = rig_->window.findChild<QWidget*>(c.name);
        QVERIFY(container != nullptr);
        const QWidget* parent =
            *c.parent == '\0' ? &rig_->window : rig_->window.findChild<QWidget*>(c.parent);
        QCOMPARE(container->parentWidget(), parent);
        if (c.title == nullptr) {
            QVERIFY(qobject_cast<QFrame*>(container) != nullptr);
        } else {
            auto* group = qobject_cast<QGroupBox*>(container);
            QVERIFY(group != nullptr);
            QCOMPARE(group->title(), Utf8(c.title));
        }
        QVERIFY(c.width == 0 || container->width() == c.width);
        QVERIFY(c.height == 0 || container->height() == c.height);
        QCOMPARE(container->isVisible(), c.shown);
    }

    void windowFrame() {
        const TfrmMain& w = rig_->window;
        QCOMPARE(w.windowTitle(), QStringLiteral("ZOLT KELVRA WIZARD"));
        // Outer size and place, frame included (the offscreen platform has a thin one).
        QCOMPARE(w.frameGeometry(), QRect(158, 45, 1070, 600));
        QCOMPARE(w.lblBaslik->text(), QStringLiteral("KELVRA WIZARD"));
        QCOMPARE(w.cxImage1->width(), 121);
        QVERIFY(!w.cxImage1->pixmap().isNull());
        // The program's icon: the logo's square mark, not the whole strip squeezed.
        QCOMPARE(w.windowIcon().pixmap(32).deviceIndependentSize().toSize(), QSize(32, 32));
        QCOMPARE(w.pc->count(), 1);
        QCOMPARE(w.pc->tabText(0), QStringLiteral("6"));
    }

    void barsAndColumns() {
        TfrmMain& w = rig_->window;
        QCOMPARE(w.Panel1->geometry(), QRect(0, 0, w.width(), 34));
        QCOMPARE(w.Panel2->geometry(), QRect(0, w.height() - 46, w.width(), 46));
        QCOMPARE(w.pc->geometry(), QRect(0, 34, w.width(), w.height() - 34 - 46));

        // The title is centred in the bar's width left of the logo, the logo at its end.
        QCOMPARE(w.cxImage1->geometry().right(), w.Panel1->contentsRect().right());
        QCOMPARE(w.lblBaslik->geometry().right() + 1, w.cxImage1->x());
        QCOMPARE(w.lblBaslik->x(), w.Panel1->contentsRect().left());

        // Four columns side by side, filling the page.
        QCOMPARE(w.pnlsol->x(), 0);
        QCOMPARE(w.cbcihazbilgileri->x(), 262);
        QCOMPARE(w.gbsetbilgileri->x(), 262 + 174);
        QCOMPARE(w.gbcihazdangelen->x(), 262 + 174 + 208);
        QCOMPARE(w.gbcihazdangelen->width(), w.cxTabSheet6->width() - 262 - 174 - 208);
        QCOMPARE(w.gbcihazdangelen->height(), w.cxTabSheet6->height());

        // The left column's groups stacked from its top, its strip at its bottom; the log
        // across the top of its group with "Temizle" below it.
        QCOMPARE(w.gbUzak->y(), 63 + 149 + 41);
        QCOMPARE(w.pnlSolAlt->geometry().bottom(), w.pnlsol->height() - 1);
        QCOMPARE(w.mmo->height(), 305);
        QVERIFY(w.btnTemizle->y() >= w.mmo->geometry().bottom());

        // Hidden, the panel takes no room; shown, it sits at the group's lower left.
        w.pnlUzak->show();
        QTRY_COMPARE(w.pnlUzak->x(), w.mmo->x());
        QVERIFY(w.pnlUzak->geometry().bottom() < w.gbcihazdangelen->height());
        QVERIFY(w.pnlUzak->y() > w.btnTemizle->geometry().bottom());
    }

    void onlyTheLogColumnFollowsTheWidth_data() {
        QTest::addColumn<int>("width");
        QTest::newRow("wider") << 1270;
        QTest::newRow("narrower") << 980;
    }
    void onlyTheLogColumnFollowsTheWidth() {
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
        QCOMPARE(w.Panel2->geometry(), QRect(0, 700 - 46, width, 46));
    }

    // With the fonts this system has and at the scale the suite runs at, no caption,
    // group title or button text is cut off.
    void everyTextFitsItsRoom() {
        QStringList clipped;
        for (const QWidget* widget : rig_->window.findChildren<QWidget*>()) {
            const TextRoom room = RoomOf(*widget);
            if (widget->isVisible() && !room.text.isEmpty() && room.needed > room.available) {
                clipped << QStringLiteral("%1 needs %2 of %3")
                               .arg(room.text)
                               .arg(room.needed)
                               .arg(room.available);
            }
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("; "))));
    }

    // Tab visits each control once: column by column, each from the top down, a button
    // after the boxes beside it. The controls are what a screen reader finds in the
    // window, each with a name no other control has.
    void tabWalksColumnByColumn() {
        TfrmMain& w = rig_->window;
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        // The page column under a widget's left edge, the height of its lower edge, then
        // its left edge; "Kapat" sits under the log column, below everything else.
        auto place = [&](const QWidget* widget) {
            const QPoint at = widget->mapTo(&w, QPoint(0, 0));
            int column = 0;
            for (const QWidget* next : {w.cbcihazbilgileri, w.gbsetbilgileri, w.gbcihazdangelen}) {
                column += at.x() >= WindowX(next, &w) ? 1 : 0;
            }
            return std::make_tuple(column, at.y() + widget->height(), at.x());
        };
        w.cihazIP->setFocus();
        QList<QWidget*> walk{w.cihazIP};
        while (walk.size() < 100) {
            QTest::keyClick(walk.last(), Qt::Key_Tab);
            QWidget* next = QApplication::focusWidget();
            if (next == w.cihazIP) {
                break;
            }
            QVERIFY2(place(walk.last()) < place(next), qPrintable(next->objectName()));
            walk << next;
        }
        const QList<QWidget*> all = w.findChildren<QWidget*>();
        QCOMPARE(walk.size(), std::count_if(all.begin(), all.end(), [](const QWidget* widget) {
                     return widget->isVisible() && widget->isEnabled() &&
                            widget->focusPolicy() & Qt::TabFocus && !widget->focusProxy();
                 }));

        QList<QAccessibleInterface*> controls;
        CollectShownControls(QAccessible::queryAccessibleInterface(&w), controls);
        QStringList names;
        QStringList faults;
        for (const QAccessibleInterface* control : controls) {
            const QString name = control->text(QAccessible::Name);
            if (name.isEmpty() || names.contains(name) ||
                !walk.contains(qobject_cast<QWidget*>(control->object()))) {
                faults << control->object()->objectName() + QStringLiteral(": ") + name;
            }
            names << name;
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
        QCOMPARE(controls.size(), walk.size());
    }

    void enterPressesTheFocusedButton() {
        TfrmMain& w = rig_->window;
        rig_->endpoint.setResponder(test::FakeDevice::answeringReadout().responder());
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.btnBilgileriAl->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(w.EDTCIHAZID->text(), QStringLiteral("KLV-2000"));
    }

    void clockBox() {
        TfrmMain& w = rig_->window;
        QCOMPARE(w.Timer1->interval(), 1000);
        // Each tick puts the Clock port's time into the box; the virtual clock stands
        // still, so the box shows exactly its moment.
        const auto shown = [&] { return w.deTarihSaat->dateTime().toMSecsSinceEpoch(); };
        QTRY_COMPARE_WITH_TIMEOUT(shown(), rig_->clock.epochMs(), 2500);
        QVERIFY(!w.deTarihSaat->text().trimmed().isEmpty());

        rig_->clock.advance(61'000);
        w.Timer1Timer();
        QCOMPARE(shown(), rig_->clock.epochMs());
    }

private:
    std::unique_ptr<WindowRig> rig_;
};

std::unique_ptr<QObject> MakeMainWindowLayoutTest() {
    return std::make_unique<MainWindowLayoutTest>();
}

} // namespace kelvra::uitest

#include "MainWindowLayoutTest.moc"
