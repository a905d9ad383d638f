#include "UiSuites.h"
#include "ui/widgets.h"

#include <QPointer>
#include <QtTest>
#include <memory>

using kelvra::CaptionedBox;
using kelvra::TCaptionedDateEdit;
using kelvra::TCaptionedEdit;
using kelvra::TFieldCaption;
using kelvra::TLabelPosition;

Q_DECLARE_METATYPE(TLabelPosition)

namespace {

// A shown container with shown boxes: Qt delivers a hidden widget's move and resize
// events only when it is shown, and the caption follows those events.
struct Stage {
    Stage() {
        container.resize(400, 300);
        container.show();
    }
    QWidget container;
};

// Both boxes share the caption logic; every placement row runs on each of them.
template <class Box>
void CheckPlacement(TLabelPosition position, QRect box, QSize caption, int spacing,
                    QPoint expected) {
    Stage stage;
    auto* field = new Box(&stage.container);
    field->show();
    field->FieldCaption()->resize(caption);
    field->setCaptionSpacing(spacing);
    field->setCaptionPosition(position);
    field->setGeometry(box);
    QCOMPARE(field->FieldCaption()->pos(), expected);
    QCOMPARE(field->FieldCaption()->size(), caption);

    // Moving the box carries the caption along.
    field->move(box.topLeft() + QPoint(5, 7));
    QCOMPARE(field->FieldCaption()->pos(), expected + QPoint(5, 7));
    // Growing the box places the caption anew.
    field->setGeometry(box);
    field->resize(box.width() + 10, box.height() + 8);
    const QRect grown(box.topLeft(), box.size() + QSize(10, 8));
    QCOMPARE(field->FieldCaption()->pos(),
             kelvra::CaptionPlacement(position, grown, caption, spacing));
}

} // namespace

namespace kelvra::uitest {

class CaptionedFieldTest : public QObject {
    Q_OBJECT

private slots:
    void placement_data();
    void placement();
    void captionWidthAloneDoesNotMoveIt();
    void codeBuiltBoxDefaults();
    void stateFollowsBox_data();
    void stateFollowsBox();
    void boxGettingAParentTakesItsCaptionAlong();
    void captionDestroyedFirstIsForgotten();
};

void CaptionedFieldTest::placement_data() {
    QTest::addColumn<TLabelPosition>("position");
    QTest::addColumn<QRect>("box");
    QTest::addColumn<QSize>("caption");
    QTest::addColumn<int>("spacing");
    QTest::addColumn<QPoint>("expected");

    const QRect box(100, 50, 90, 21);
    const QSize caption(70, 13);
    QTest::newRow("above") << kelvra::lpAbove << box << caption << 3 << QPoint(100, 34);
    QTest::newRow("below") << kelvra::lpBelow << box << caption << 3 << QPoint(100, 74);
    QTest::newRow("left") << kelvra::lpLeft << box << caption << 3 << QPoint(27, 54);
    QTest::newRow("right") << kelvra::lpRight << box << caption << 3 << QPoint(193, 54);
    QTest::newRow("left, wider spacing")
        << kelvra::lpLeft << box << caption << 10 << QPoint(20, 54);
    QTest::newRow("right, no spacing") << kelvra::lpRight << box << caption << 0 << QPoint(190, 54);
    // (20 - 13) / 2 is 3.5: truncated.
    QTest::newRow("left, odd height difference")
        << kelvra::lpLeft << QRect(100, 50, 90, 20) << caption << 3 << QPoint(27, 53);
    // (10 - 13) / 2 is -1.5: toward zero gives -1, not -2.
    QTest::newRow("left, caption taller than box")
        << kelvra::lpLeft << QRect(100, 50, 90, 10) << caption << 3 << QPoint(27, 49);
    QTest::newRow("right, caption taller than box")
        << kelvra::lpRight << QRect(100, 50, 90, 10) << caption << 3 << QPoint(193, 49);
    QTest::newRow("above, past the container's top")
        << kelvra::lpAbove << QRect(100, 5, 90, 21) << caption << 3 << QPoint(100, -11);
}

void CaptionedFieldTest::placement() {
    QFETCH(TLabelPosition, position);
    QFETCH(QRect, box);
    QFETCH(QSize, caption);
    QFETCH(int, spacing);
    QFETCH(QPoint, expected);

    QCOMPARE(kelvra::CaptionPlacement(position, box, caption, spacing), expected);
    CheckPlacement<TCaptionedEdit>(position, box, caption, spacing, expected);
    if (QTest::currentTestFailed()) {
        return;
    }
    CheckPlacement<TCaptionedDateEdit>(position, box, caption, spacing, expected);
}

void CaptionedFieldTest::captionWidthAloneDoesNotMoveIt() {
    Stage stage;
    auto* box = new TCaptionedEdit(&stage.container);
    box->show();
    box->setGeometry(150, 40, 90, 21);
    QCOMPARE(box->FieldCaption()->pos(), QPoint(150 - 70 - 3, 44));

    box->FieldCaption()->resize(120, 13);
    QCOMPARE(box->FieldCaption()->pos(), QPoint(150 - 70 - 3, 44));

    // The next change of the box, or of a caption property, places it by its new width.
    box->setCaptionSpacing(3);
    QCOMPARE(box->FieldCaption()->pos(), QPoint(150 - 120 - 3, 44));
}

void CaptionedFieldTest::codeBuiltBoxDefaults() {
    TCaptionedEdit box;
    TFieldCaption* caption = box.FieldCaption();
    QVERIFY(caption != nullptr);
    QCOMPARE(box.CaptionPosition(), kelvra::lpLeft);
    QCOMPARE(box.CaptionSpacing(), 3);
    QCOMPARE(caption->width(), 70);
    QVERIFY(caption->text().isEmpty());
    QVERIFY(!caption->autoFillBackground());
    QCOMPARE(caption->buddy(), &box);

    // A date box shows nothing until a value is set.
    TCaptionedDateEdit date;
    QVERIFY(date.isReadOnly());
    QVERIFY(date.text().trimmed().isEmpty());
}

// How the box is changed, and what the caption must show afterwards.
enum class Change { Hide, HideThenShow, Disable, DisableThenEnable, RightToLeft };

} // namespace kelvra::uitest

Q_DECLARE_METATYPE(kelvra::uitest::Change)

namespace kelvra::uitest {

void CaptionedFieldTest::stateFollowsBox_data() {
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<Qt::LayoutDirection>("direction");

    QTest::newRow("hidden") << Change::Hide << false << true << Qt::LeftToRight;
    QTest::newRow("shown again") << Change::HideThenShow << true << true << Qt::LeftToRight;
    QTest::newRow("disabled") << Change::Disable << true << false << Qt::LeftToRight;
    QTest::newRow("enabled again") << Change::DisableThenEnable << true << true << Qt::LeftToRight;
    QTest::newRow("right to left") << Change::RightToLeft << true << true << Qt::RightToLeft;
}

void CaptionedFieldTest::stateFollowsBox() {
    QFETCH(Change, change);
    QFETCH(bool, visible);
    QFETCH(bool, enabled);
    QFETCH(Qt::LayoutDirection, direction);

    Stage stage;
    auto* box = new TCaptionedDateEdit(&stage.container);
    box->show();
    switch (change) {
    case Change::Hide:
        box->hide();
        break;
    case Change::HideThenShow:
        box->hide();
        box->show();
        break;
    case Change::Disable:
        box->setEnabled(false);
        break;
    case Change::DisableThenEnable:
        box->setEnabled(false);
        box->setEnabled(true);
        break;
    case Change::RightToLeft:
        box->setLayoutDirection(Qt::RightToLeft);
        break;
    }
    TFieldCaption* caption = box->FieldCaption();
    QCOMPARE(caption->isVisible(), visible);
    QCOMPARE(caption->isEnabled(), enabled);
    QCOMPARE(caption->layoutDirection(), direction);
}

void CaptionedFieldTest::boxGettingAParentTakesItsCaptionAlong() {
    QWidget container;
    auto box = std::make_unique<TCaptionedEdit>();
    box->FieldCaption()->setText(QStringLiteral("Port"));
    QVERIFY(box->FieldCaption()->parentWidget() == nullptr);

    box->setParent(&container);
    TFieldCaption* caption = box->FieldCaption();
    QCOMPARE(caption->parentWidget(), &container);
    QVERIFY(caption->isVisibleTo(&container));

    // A box hidden while the window is not yet shown keeps its caption hidden too.
    box->hide();
    QVERIFY(!caption->isVisibleTo(&container));
    box->setEnabled(false);
    QVERIFY(!caption->isEnabled());

    container.show();
    box->show();
    box->setGeometry(100, 20, 90, 21);
    QVERIFY(caption->isVisible());
    QCOMPARE(caption->pos(), QPoint(27, 24));
    box.release(); // the container owns it now
}

void CaptionedFieldTest::captionDestroyedFirstIsForgotten() {
    Stage stage;
    auto* box = new TCaptionedEdit(&stage.container);
    delete box->FieldCaption();
    QVERIFY(box->FieldCaption() == nullptr);

    // Nothing is forwarded any more, and nothing breaks.
    box->setGeometry(100, 20, 90, 21);
    box->hide();
    box->setEnabled(false);
    box->setLayoutDirection(Qt::RightToLeft);
    box->setCaptionPosition(kelvra::lpAbove);
    box->setCaptionSpacing(8);
    QWidget other;
    box->setParent(&other);
    delete box;

    // The other way round the box takes its caption with it.
    auto* owner = new TCaptionedEdit(&stage.container);
    const QPointer<TFieldCaption> caption = owner->FieldCaption();
    delete owner;
    QVERIFY(caption.isNull());
}

std::unique_ptr<QObject> MakeCaptionedFieldTest() {
    return std::make_unique<CaptionedFieldTest>();
}

} // namespace kelvra::uitest

#include "CaptionedFieldTest.moc"
