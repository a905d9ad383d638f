#include "ui/CaptionedFields.h"
#include "ui/UiSuites.h"

#include <QPointer>
#include <QtTest>
#include <functional>
#include <memory>

using kelvra::TCaptionedDateEdit;
using kelvra::TCaptionedEdit;
using kelvra::TFieldCaption;
using kelvra::TLabelPosition;

// How a test changes a box.
using BoxChange = std::function<void(QWidget*)>;

Q_DECLARE_METATYPE(TLabelPosition)
Q_DECLARE_METATYPE(BoxChange)

namespace {

// A shown container: Qt delivers a hidden widget's move and resize events only when
// it is shown, and the caption follows those events.
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
}

} // namespace

namespace kelvra::uitest {

class CaptionedFieldTest : public QObject {
    Q_OBJECT

private slots:
    void placement_data() {
        QTest::addColumn<TLabelPosition>("position");
        QTest::addColumn<QRect>("box");
        QTest::addColumn<int>("spacing");
        QTest::addColumn<QPoint>("expected");

        // A 70 x 13 caption.
        const QRect box(100, 50, 90, 21);
        QTest::newRow("above") << kelvra::lpAbove << box << 3 << QPoint(100, 34);
        QTest::newRow("below") << kelvra::lpBelow << box << 3 << QPoint(100, 74);
        QTest::newRow("left") << kelvra::lpLeft << box << 3 << QPoint(27, 54);
        QTest::newRow("right") << kelvra::lpRight << box << 3 << QPoint(193, 54);
        QTest::newRow("left, wider spacing") << kelvra::lpLeft << box << 10 << QPoint(20, 54);
        // (20 - 13) / 2 is 3.5: truncated.
        QTest::newRow("left, odd height difference")
            << kelvra::lpLeft << QRect(100, 50, 90, 20) << 3 << QPoint(27, 53);
        // (10 - 13) / 2 is -1.5: toward zero gives -1, not -2.
        QTest::newRow("right, caption taller than box")
            << kelvra::lpRight << QRect(100, 50, 90, 10) << 3 << QPoint(193, 49);
    }
    void placement() {
        QFETCH(TLabelPosition, position);
        QFETCH(QRect, box);
        QFETCH(int, spacing);
        QFETCH(QPoint, expected);

        const QSize caption(70, 13);
        QCOMPARE(kelvra::CaptionPlacement(position, box, caption, spacing), expected);
        CheckPlacement<TCaptionedEdit>(position, box, caption, spacing, expected);
        if (!QTest::currentTestFailed()) {
            CheckPlacement<TCaptionedDateEdit>(position, box, caption, spacing, expected);
        }
    }

    void captionWidthAloneDoesNotMoveIt() {
        Stage stage;
        auto* box = new TCaptionedEdit(&stage.container);
        box->show();
        box->setGeometry(150, 40, 90, 21);
        box->FieldCaption()->resize(120, 13);
        QCOMPARE(box->FieldCaption()->pos(), QPoint(150 - 70 - 3, 44));

        // The next change of a caption property, or of the box, places it by its new width;
        // 70 and 3 px to the left are what a box made in code starts with.
        box->setCaptionSpacing(3);
        QCOMPARE(box->FieldCaption()->pos(), QPoint(150 - 120 - 3, 44));
        box->FieldCaption()->resize(100, 13);
        box->resize(90, 31);
        QCOMPARE(box->FieldCaption()->pos(), QPoint(150 - 100 - 3, 49));
    }

    void stateFollowsBox_data() {
        QTest::addColumn<BoxChange>("change");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<Qt::LayoutDirection>("direction");

        const Qt::LayoutDirection ltr = Qt::LeftToRight;
        QTest::newRow("hidden") << BoxChange([](QWidget* b) { b->hide(); }) << false << true << ltr;
        QTest::newRow("shown again") << BoxChange([](QWidget* b) {
            b->hide();
            b->show();
        }) << true << true << ltr;
        QTest::newRow("disabled") << BoxChange([](QWidget* b) { b->setEnabled(false); }) << true
                                  << false << ltr;
        QTest::newRow("enabled again") << BoxChange([](QWidget* b) {
            b->setEnabled(false);
            b->setEnabled(true);
        }) << true << true << ltr;
        QTest::newRow("right to left")
            << BoxChange([](QWidget* b) { b->setLayoutDirection(Qt::RightToLeft); }) << true << true
            << Qt::RightToLeft;
    }
    void stateFollowsBox() {
        QFETCH(BoxChange, change);
        QFETCH(bool, visible);
        QFETCH(bool, enabled);
        QFETCH(Qt::LayoutDirection, direction);

        Stage stage;
        auto* box = new TCaptionedDateEdit(&stage.container);
        box->show();
        change(box);
        const TFieldCaption* caption = box->FieldCaption();
        QCOMPARE(caption->isVisible(), visible);
        QCOMPARE(caption->isEnabled(), enabled);
        QCOMPARE(caption->layoutDirection(), direction);
    }

    void boxGettingAParentTakesItsCaptionAlong() {
        QWidget container;
        auto* box = new TCaptionedEdit();
        QVERIFY(box->FieldCaption()->parentWidget() == nullptr);
        box->setParent(&container);
        TFieldCaption* caption = box->FieldCaption();
        QCOMPARE(caption->parentWidget(), &container);
        QVERIFY(caption->isVisibleTo(&container));

        // A box hidden while the window is not yet shown keeps its caption hidden too.
        box->hide();
        QVERIFY(!caption->isVisibleTo(&container));
        container.show();
        box->show();
        box->setGeometry(100, 20, 90, 21);
        QVERIFY(caption->isVisible());
        QCOMPARE(caption->pos(), QPoint(27, 24));
    }

    void captionDestroyedFirstIsForgotten() {
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
        QWidget other;
        box->setParent(&other);
        delete box;

        // The other way round the box takes its caption with it.
        auto* owner = new TCaptionedEdit(&stage.container);
        const QPointer<TFieldCaption> caption = owner->FieldCaption();
        delete owner;
        QVERIFY(caption.isNull());
    }
};

std::unique_ptr<QObject> MakeCaptionedFieldTest() {
    return std::make_unique<CaptionedFieldTest>();
}

} // namespace kelvra::uitest

#include "CaptionedFieldTest.moc"
