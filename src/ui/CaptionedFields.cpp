#include "ui/CaptionedFields.h"

#include <QEvent>
#include <QLocale>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionFrame>

namespace kelvra {

QPoint CaptionPlacement(TLabelPosition position, const QRect& boxBounds, const QSize& captionSize,
                        int spacing) {
    const int w = captionSize.width();
    const int h = captionSize.height();
    // Integer division truncates toward zero, also for a caption taller than its box.
    const int centredTop = boxBounds.top() + (boxBounds.height() - h) / 2;
    switch (position) {
    case lpAbove:
        return {boxBounds.left(), boxBounds.top() - h - spacing};
    case lpBelow:
        return {boxBounds.left(), boxBounds.top() + boxBounds.height() + spacing};
    case lpRight:
        return {boxBounds.left() + boxBounds.width() + spacing, centredTop};
    case lpLeft:
        break;
    }
    return {boxBounds.left() - w - spacing, centredTop};
}

QString CompactDateTimeFormat(const QLocale& locale) {
    // Seconds would not fit beside the drop-down button of a narrow box.
    QString time = locale.timeFormat(QLocale::ShortFormat);
    time.remove(QRegularExpression(QStringLiteral("[^hHm]ss?")));
    return locale.dateFormat(QLocale::ShortFormat) + QLatin1Char(' ') + time;
}

TFieldCaption::TFieldCaption(QWidget* box) {
    setBuddy(box);
    // Fixed size: a longer text is clipped rather than growing the label.
    resize(kDefaultWidth, kDefaultHeight);
    setAutoFillBackground(false);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

CaptionBinding::CaptionBinding(QWidget& box) : box_(box), caption_(new TFieldCaption(&box)) {
    box_.installEventFilter(this);
    // A box built straight into its container never sees a parent change.
    if (box_.parentWidget() != nullptr) {
        followParent();
    }
}

CaptionBinding::~CaptionBinding() {
    // The box owns its caption; caption_ is null when it went first.
    delete caption_.data();
}

void CaptionBinding::setPosition(TLabelPosition position) {
    position_ = position;
    place();
}

void CaptionBinding::setSpacing(int spacing) {
    spacing_ = spacing;
    place();
}

bool CaptionBinding::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &box_ && caption_ != nullptr) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
            place();
            break;
        case QEvent::ParentChange:
            followParent();
            break;
        // The ...ToParent events report the box's own show() and hide(), also while
        // its window is still hidden; plain Show and Hide would echo the window's.
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
            followVisibility();
            break;
        case QEvent::EnabledChange:
            followEnabled();
            break;
        case QEvent::LayoutDirectionChange:
            followLayoutDirection();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void CaptionBinding::place() {
    if (caption_ != nullptr) {
        caption_->move(CaptionPlacement(position_, box_.geometry(), caption_->size(), spacing_));
    }
}

void CaptionBinding::followParent() {
    caption_->setParent(box_.parentWidget());
    if (box_.parentWidget() == nullptr) {
        return; // a caption without a container would become a window of its own
    }
    // Qt hides a box moved into a container that is already on screen until it is
    // shown; the caption keeps in step with it rather than showing alone.
    caption_->setVisible(!box_.isHidden());
    followEnabled();
    followLayoutDirection();
    place();
}

void CaptionBinding::followVisibility() {
    if (caption_->parentWidget() != nullptr) {
        caption_->setVisible(!box_.isHidden());
    }
}

void CaptionBinding::followEnabled() {
    // The box's own setting, not the one it inherits: the caption inherits too.
    caption_->setEnabled(!box_.testAttribute(Qt::WA_ForceDisabled));
}

void CaptionBinding::followLayoutDirection() {
    if (box_.testAttribute(Qt::WA_SetLayoutDirection)) {
        caption_->setLayoutDirection(box_.layoutDirection());
    } else {
        caption_->unsetLayoutDirection();
    }
}

TCaptionedEdit::TCaptionedEdit(QWidget* parent)
    : QLineEdit(parent), CaptionedBox(static_cast<QWidget&>(*this)) {
    connect(this, &QLineEdit::textChanged, this, &TCaptionedEdit::showWholeTextWhenWider);
}

void TCaptionedEdit::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        showWholeTextWhenWider();
    }
}

void TCaptionedEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    showWholeTextWhenWider();
}

bool TCaptionedEdit::textFits() const {
    // Measured as QLineEdit lays out its line: 2 px inside either end of the
    // contents, and a pixel each for the caret and after it.
    constexpr int kLineMargin = 2;
    constexpr int kCaretRoom = 2;
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                               .marginsRemoved(textMargins());
    return fontMetrics().horizontalAdvance(text()) + kCaretRoom <=
           contents.width() - 2 * kLineMargin;
}

void TCaptionedEdit::showWholeTextWhenWider() {
    setToolTip(textFits() ? QString() : text());
}

TCaptionedDateEdit::TCaptionedDateEdit(QWidget* parent)
    : QDateTimeEdit(parent), CaptionedBox(static_cast<QWidget&>(*this)) {
    setReadOnly(true);
    setCalendarPopup(true);
    // The minimum stands for "no value yet" and is shown as a blank.
    setSpecialValueText(QStringLiteral(" "));
    setDisplayFormat(CompactDateTimeFormat(QLocale()));
    setDateTime(minimumDateTime());
}

bool TCaptionedDateEdit::focusNextPrevChild(bool next) {
    // Tab steps through the date's and time's parts only where they can be edited;
    // read-only, it goes on to the next field at once.
    if (isReadOnly()) {
        return QWidget::focusNextPrevChild(next);
    }
    return QDateTimeEdit::focusNextPrevChild(next);
}

} // namespace kelvra
