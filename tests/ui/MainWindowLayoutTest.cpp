#include "support/FakeDevice.h"
#include "ui/UiSuites.h"
#include "ui/WindowRig.h"
#include "ui/Pictures.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDateTime>
#include <QDir>
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

namespace kelvra::uitest {

namespace {

// Left edge of a widget in the window's coordinates.
int WindowX(const QWidget* widget, const QWidget* window) {
    return widget->mapTo(window, QPoint(0, 0)).x();
}

// The window's own shown widgets: those it names, not Qt's parts of them.
QList<QWidget*> NamedShown(const QWidget& window) {
    QList<QWidget*> named;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (widget->isVisible() && !name.isEmpty() && !name.startsWith(QStringLiteral("qt_"))) {
            named << widget;
        }
    }
    return named;
}

QString Describe(const QWidget* widget) {
    const QRect r = widget->geometry();
    return QStringLiteral("%1 (%2,%3 %4x%5)")
        .arg(widget->objectName())
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height());
}

// A control as the operator meets it: the name a screen reader says, a box's text,
// and whether it is read-only.
QString Reading(QWidget& control) {
    QString reading = QAccessible::queryAccessibleInterface(&control)->text(QAccessible::Name);
    if (const auto* edit = qobject_cast<const QLineEdit*>(&control)) {
        reading += edit->text().isEmpty() ? QString() : QStringLiteral("=") + edit->text();
    }
    return control.property("readOnly").toBool() ? reading + QStringLiteral(" (read-only)")
                                                 : reading;
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

// The stops of the focus from the window's focused widget on, each key pressed on
// the focused widget, until the focus is back where it began.
QList<QWidget*> KeyWalk(QWidget& window, Qt::Key key) {
    const Qt::KeyboardModifiers modifiers =
        key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier;
    QList<QWidget*> stops{window.focusWidget()};
    while (stops.last() != nullptr && stops.size() < 100) {
        QTest::keyClick(stops.last(), key, modifiers);
        if (window.focusWidget() == stops.first()) {
            break;
        }
        stops << window.focusWidget();
    }
    return stops;
}

// The stops of Tab from the first box on: the four columns, then the bottom bar.
const char* const kTabStops =
    "cihazIP cihazPort yeniCihazIP yeniAgGecidi yeniVarsayilanAg yeniDNS btnCihazaUygula "
    "deTarihSaat btnTarihSaatSet UzakIP BTNServerIP EDTCIHAZID cIP CPort CMac CGateway cIPMask "
    "cDNS CServerIP cServerPort cbKalibrasyonArti btnKalibrasyonArti cbKalibrasyonEksi "
    "btnKalibrasyonEksi cbSaat cbTarih cbDolapIsiYuksek cbDolapIsiDusuk btnDolapIsiSet "
    "cbNemYuksek cbNemDusuk btnNem cbOrtamIsiY cbOrtamIsiD btnOrtamIsi cbBasincYuksek "
    "cbBasincDusuk btnBasinc cbYakinIsiYuksek cbYakinIsiDusuk btnYakinIsi mmo btnTemizle "
    "btnBaglan btnBilgileriAl btnKapat";

// The controls in Tab order as the operator meets them, and the groups' titles.
const char* const kReading =
    "Cihaz IP Adresi=192.168.1.200 | Cihaz Port Adresi=10001 | Yeni IP Adresi=192.168.1.251 | "
    "Alt Ağ Maskesi=255.255.255.0 | Varsayılan Ağ Geçidi=192.168.1.1 | "
    "Cihaza Yazılacak Bilgiler, DNS=192.168.1.1 | Cihaza Uygula | Tarih Saat (read-only) | "
    "Tarih ve saati cihaza gönder | Modem IP Adresi=192.168.1.1 | "
    "Modem IP Adresini cihaza gönder | Cihaz ID | "
    "IP Adresi (read-only) | Port (read-only) | Mac (read-only) | Gateway (read-only) | "
    "Ip Mask (read-only) | Cihaz Bilgileri, DNS (read-only) | Modem Ip (read-only) | "
    "Modem Port (read-only) | + | Kalibrasyon + değerini cihaza gönder | - | "
    "Kalibrasyon - değerini cihaza gönder | Saat (read-only) | Tarih (read-only) | "
    "Set Bilgileri, Dolap Isı, En Yüksek | Set Bilgileri, Dolap Isı, En Düşük | "
    "Dolap Isı sınırlarını cihaza gönder | Set Bilgileri, Nem, En Yüksek | "
    "Set Bilgileri, Nem, En Düşük | Nem sınırlarını cihaza gönder | "
    "Set Bilgileri, Ortam Isı, En Yüksek | Set Bilgileri, Ortam Isı, En Düşük | "
    "Ortam Isı sınırlarını cihaza gönder | Set Bilgileri, Basınç, En Yüksek | "
    "Set Bilgileri, Basınç, En Düşük | Basınç sınırlarını cihaza gönder | Yüksek | Düşük | "
    "Yakın Isı sınırlarını cihaza gönder | Cihazdan Gelen Bilgi | Temizle | Bağlan | "
    "Bilgileri Al | Kapat";
const char* const kGroupTitles =
    "Cihaz Bağlantı Bilgileri | Cihaza Yazılacak Bilgiler | Tarih Saat | Uzak | "
    "Cihaz Bilgileri |  | Kalibrasyon | Set Bilgileri | Dolap Isı | Nem | Ortam Isı | Basınç | "
    "Yakın Isı | Cihazdan Gelen Bilgi";

} // namespace

class MainWindowLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        rig_ = std::make_unique<WindowRig>();
        rig_->show();
        rig_->window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&rig_->window));
    }
    void cleanup() { rig_.reset(); }

    // Each caption stands left of its box at the caption spacing and centred on it,
    // both inside the box's group, and names the box for a screen reader.
    void captionsBesideTheirBoxesInsideTheirGroups() {
        QStringList faults;
        for (QWidget* box : NamedShown(rig_->window)) {
            const auto* captioned = dynamic_cast<const CaptionedBox*>(box);
            if (captioned == nullptr) {
                continue;
            }
            const TFieldCaption* caption = captioned->FieldCaption();
            const QWidget* group = box->parentWidget();
            const QRect place = caption->geometry();
            const bool beside = place.right() + 1 + captioned->CaptionSpacing() == box->x() &&
                                place.y() == box->y() + (box->height() - place.height()) / 2;
            const bool inside =
                group->rect().contains(box->geometry()) && group->rect().contains(place);
            const bool names = QAccessible::queryAccessibleInterface(box)
                                   ->text(QAccessible::Name)
                                   .endsWith(caption->text());
            if (!caption->isVisible() || caption->parentWidget() != group || !beside || !inside ||
                !names) {
                faults << Describe(box) + QStringLiteral(": ") + Describe(caption);
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }

    // Every shown widget of the window lies inside its container and clear of its
    // siblings; every button shows its picture at its size, and a speed button takes
    // the focus from Tab alone, not from a click.
    void everyControlInsideItsContainerAndClearOfTheOthers() {
        const QList<QWidget*> named = NamedShown(rig_->window);
        QStringList faults;
        for (qsizetype i = 0; i < named.size(); ++i) {
            const QWidget* widget = named[i];
            const QWidget* container = widget->parentWidget();
            if (named.contains(container) && !container->rect().contains(widget->geometry())) {
                faults << Describe(widget) + QStringLiteral(" outside ") + Describe(container);
            }
            for (const QWidget* other : named.mid(0, i)) {
                if (other->parentWidget() == container &&
                    other->geometry().intersects(widget->geometry())) {
                    faults << Describe(widget) + QStringLiteral(" over ") + Describe(other);
                }
            }
            if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
                const QSize size = button->iconSize();
                if (button->icon().pixmap(size).deviceIndependentSize().toSize() != size ||
                    (qobject_cast<const QToolButton*>(button) != nullptr &&
                     button->focusPolicy() != Qt::TabFocus)) {
                    faults << Describe(widget) + QStringLiteral(": picture or focus");
                }
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
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

    // Where Qt reads no SVG (the Windows build's) the pictures are the build's PNG
    // renditions: each button's picture at its size, 1x and 2x, the logo in its
    // room and the program icon's square.
    void renditionsForAQtWithoutSvg() {
        QStringList faults;
        const QStringList svgs = QDir(QStringLiteral(":/icons")).entryList({"*.svg"});
        for (const QAbstractButton* button : rig_->window.findChildren<QAbstractButton*>()) {
            const QSize size = button->iconSize();
            for (const QString& svg : svgs) {
                const QIcon icon = RenditionPicture(qPrintable(svg.chopped(4)));
                const QPixmap twice = icon.pixmap(size, 2.0);
                if (svg != QStringLiteral("logo.svg") &&
                    (icon.pixmap(size, 1.0).size() != size || twice.size() != size * 2)) {
                    faults << svg + QStringLiteral(" for ") + button->objectName();
                }
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral(", "))));
        QCOMPARE(RenditionPicture("logo").pixmap(QSize(117, 28), 2.0).width(), 234);
        QCOMPARE(RenditionPicture("mark").pixmap(QSize(32, 32), 1.0).size(), QSize(32, 32));
    }

    // At any size the bars and the page fill the window, the four columns fill the
    // page side by side, and each column's parts stack without gaps.
    void barsAndColumnsFillTheWindow_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("as designed") << QSize();
        QTest::newRow("wider and taller") << QSize(1270, 760);
        QTest::newRow("narrower") << QSize(980, 600);
    }
    void barsAndColumnsFillTheWindow() {
        QFETCH(QSize, size);
        TfrmMain& w = rig_->window;
        if (size.isValid()) {
            w.resize(size);
            QTRY_COMPARE(w.Panel1->width(), size.width());
        }
        QCOMPARE(w.Panel1->geometry().topLeft(), QPoint(0, 0));
        QCOMPARE(w.pc->y(), w.Panel1->geometry().bottom() + 1);
        QCOMPARE(w.Panel2->y(), w.pc->geometry().bottom() + 1);
        QCOMPARE(w.Panel2->geometry().bottom(), w.height() - 1);
        for (const QWidget* bar : {static_cast<QWidget*>(w.Panel1), static_cast<QWidget*>(w.pc),
                                   static_cast<QWidget*>(w.Panel2)}) {
            QCOMPARE(bar->geometry().left(), 0);
            QCOMPARE(bar->width(), w.width());
        }

        // The title is centred in the bar's width left of the logo, the logo at its end.
        QCOMPARE(w.cxImage1->geometry().right(), w.Panel1->contentsRect().right());
        QCOMPARE(w.lblBaslik->geometry().right() + 1, w.cxImage1->x());
        QCOMPARE(w.lblBaslik->x(), w.Panel1->contentsRect().left());

        const QWidget* columns[] = {w.pnlsol, w.cbcihazbilgileri, w.gbsetbilgileri,
                                    w.gbcihazdangelen};
        int left = 0;
        for (const QWidget* column : columns) {
            QCOMPARE(column->x(), left);
            QCOMPARE(column->height(), w.cxTabSheet6->height());
            left = column->geometry().right() + 1;
        }
        QCOMPARE(left, w.cxTabSheet6->width());

        // The left column's groups from its top down, its strip at its bottom; the log
        // across the top of its group with "Temizle" below it.
        int top = 0;
        for (const QGroupBox* group :
             {w.gbCBaglanti, w.gbCihazaYazilacak, w.gbTarihSaat, w.gbUzak}) {
            QCOMPARE(group->y(), top);
            top = group->geometry().bottom() + 1;
        }
        QCOMPARE(w.pnlSolAlt->geometry().bottom(), w.pnlsol->height() - 1);
        QVERIFY(w.btnTemizle->y() >= w.mmo->geometry().bottom());

        // Hidden, the panel takes no room; shown, it sits at the group's lower left.
        w.pnlUzak->show();
        QTRY_COMPARE(w.pnlUzak->x(), w.mmo->x());
        QVERIFY(w.pnlUzak->geometry().bottom() < w.gbcihazdangelen->height());
        QVERIFY(w.pnlUzak->y() > w.btnTemizle->geometry().bottom());
    }

    // A change of width goes to the log column and its log alone: everything else
    // keeps its place and width in the window, the logo and "Temizle" keep theirs
    // from the right edge. The log keeps its height when the window grows taller.
    void onlyTheLogColumnFollowsTheWidth_data() {
        QTest::addColumn<int>("width");
        QTest::newRow("wider") << 1270;
        QTest::newRow("narrower") << 980;
    }
    void onlyTheLogColumnFollowsTheWidth() {
        QFETCH(int, width);
        TfrmMain& w = rig_->window;
        const auto spans = [&w] {
            QMap<QString, QPair<int, int>> spans;
            for (const QWidget* widget : NamedShown(w)) {
                spans[widget->objectName()] = {WindowX(widget, &w), widget->width()};
            }
            return spans;
        };
        const QMap<QString, QPair<int, int>> before = spans();
        const int logHeight = w.mmo->height();
        const int delta = width - w.width();

        w.resize(width, w.height() + 100);
        QTRY_COMPARE(w.Panel1->width(), width);
        const QStringList growing{"Panel1",    "Panel2",          "pc", "cxTabSheet6",
                                  "lblBaslik", "gbcihazdangelen", "mmo"};
        const QStringList following{"cxImage1", "btnTemizle"};
        QStringList faults;
        for (auto it = before.begin(); it != before.end(); ++it) {
            QPair<int, int> expected = it.value();
            expected.second += growing.contains(it.key()) ? delta : 0;
            expected.first += following.contains(it.key()) ? delta : 0;
            if (spans().value(it.key()) != expected) {
                faults << it.key();
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral(", "))));
        QCOMPARE(w.mmo->height(), logHeight);
    }

    // With the fonts this system has and at the scale the suite runs at, no caption,
    // group title, button text or box's first text is cut off (a box shows a text
    // wider than itself in its tool-tip).
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
            if (widget->isVisible() && !widget->toolTip().isEmpty() &&
                qobject_cast<const TCaptionedEdit*>(widget) != nullptr) {
                clipped << widget->toolTip();
            }
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("; "))));
    }

    // Tab from the first box round to it again, as the keyboard does it: each key goes
    // to the shown window's focused widget. Shift+Tab walks the same stops backwards.
    void tabWalksTheWholeWindow_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Tab") << Qt::Key_Tab;
        QTest::newRow("Shift+Tab") << Qt::Key_Backtab;
    }
    void tabWalksTheWholeWindow() {
        QFETCH(Qt::Key, key);
        QCOMPARE(rig_->window.focusWidget(), rig_->window.cihazIP); // as the window first shows
        QStringList expected = QString::fromLatin1(kTabStops).split(QLatin1Char(' '));
        if (key == Qt::Key_Backtab) {
            std::reverse(expected.begin() + 1, expected.end());
        }
        QStringList stops;
        for (QWidget* stop : KeyWalk(rig_->window, key)) {
            stops << stop->objectName() + (stop->isVisible() ? "" : " (hidden)");
        }
        QCOMPARE(stops, expected);
    }

    // What a screen reader says on the way, which is what the operator reads: every
    // control it finds is a stop, each with a name no other control has.
    void tabStopsAreWhatAScreenReaderFinds() {
        TfrmMain& w = rig_->window;
        const QList<QWidget*> walk = KeyWalk(w, Qt::Key_Tab);
        QList<QAccessibleInterface*> controls;
        CollectShownControls(QAccessible::queryAccessibleInterface(&w), controls);
        QStringList names;
        QStringList faults;
        QStringList reading;
        for (QWidget* widget : walk) {
            reading << Reading(*widget);
        }
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
        QCOMPARE(reading.join(QStringLiteral(" | ")), Utf8(kReading));
        QStringList titles;
        for (const QGroupBox* group : w.findChildren<QGroupBox*>()) {
            titles << group->title();
        }
        QCOMPARE(titles.join(QStringLiteral(" | ")), Utf8(kGroupTitles));
    }

    // "Bilgileri Al" reached with Tab and pressed from the keyboard reads the device;
    // the focus stays on it when the readout ends.
    void keyPressesTheButtonTabReached_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Space") << Qt::Key_Space;
        QTest::newRow("Enter") << Qt::Key_Return;
    }
    void keyPressesTheButtonTabReached() {
        QFETCH(Qt::Key, key);
        TfrmMain& w = rig_->window;
        rig_->endpoint.setResponder(test::FakeDevice::answeringReadout().responder());
        const qsizetype presses = KeyWalk(w, Qt::Key_Tab).indexOf(w.btnBilgileriAl);
        for (qsizetype i = 0; i < presses; ++i) {
            QTest::keyClick(w.focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(w.focusWidget(), w.btnBilgileriAl);
        QTest::keyClick(w.focusWidget(), key);
        QTRY_COMPARE(w.EDTCIHAZID->text(), QStringLiteral("KLV-2000"));
        QCOMPARE(w.focusWidget(), w.btnBilgileriAl);
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
