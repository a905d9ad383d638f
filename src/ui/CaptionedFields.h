#pragma once

// Boxes that carry their own caption label. The caption is a sibling of the box
// (same parent), so the caption's text is the box's accessible name unless the box
// is given one of its own, and it follows the box wherever it is moved, shown,
// hidden or disabled.

#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>

namespace kelvra {

enum TLabelPosition { lpAbove, lpBelow, lpLeft, lpRight };

// Where a caption of captionSize goes for a box at boxBounds.
QPoint CaptionPlacement(TLabelPosition position, const QRect& boxBounds, const QSize& captionSize,
                        int spacing);

// The locale's short date and its time of day to the minute.
QString CompactDateTimeFormat(const QLocale& locale);

// The label bound to one box: the box is its buddy, so its accelerator and the
// box's accessible name both lead to the box.
class TFieldCaption : public QLabel {
    Q_OBJECT

public:
    static constexpr int kDefaultWidth = 70;
    static constexpr int kDefaultHeight = 13;

    explicit TFieldCaption(QWidget* box);
};

// The one place that keeps a caption next to its box. It watches the box's events
// and forwards geometry, parent, visibility, enabled state and layout direction.
class CaptionBinding : public QObject {
    Q_OBJECT

public:
    explicit CaptionBinding(QWidget& box);
    ~CaptionBinding() override;
    CaptionBinding(const CaptionBinding&) = delete;
    CaptionBinding& operator=(const CaptionBinding&) = delete;

    TFieldCaption* caption() const { return caption_; }
    TLabelPosition position() const { return position_; }
    void setPosition(TLabelPosition position);
    int spacing() const { return spacing_; }
    void setSpacing(int spacing);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();
    void followParent();
    void followVisibility();
    void followEnabled();
    void followLayoutDirection();

    QWidget& box_;
    // Null once the caption has been destroyed on its own; nothing is forwarded then.
    QPointer<TFieldCaption> caption_;
    TLabelPosition position_ = lpLeft;
    int spacing_ = 3;
};

// The caption properties shared by every captioned box.
class CaptionedBox {
public:
    TFieldCaption* FieldCaption() const { return binding_.caption(); }
    TLabelPosition CaptionPosition() const { return binding_.position(); }
    void setCaptionPosition(TLabelPosition position) { binding_.setPosition(position); }
    int CaptionSpacing() const { return binding_.spacing(); }
    void setCaptionSpacing(int spacing) { binding_.setSpacing(spacing); }

protected:
    explicit CaptionedBox(QWidget& box) : binding_(box) {}

private:
    CaptionBinding binding_;
};

// A single-line text box with a caption. A text wider than the box is also its
// tool-tip, so that it can be read whole without scrolling through it.
class TCaptionedEdit : public QLineEdit, public CaptionedBox {
    Q_OBJECT

public:
    explicit TCaptionedEdit(QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool textFits() const;
    void showWholeTextWhenWider();
};

// A read-only date and time box with a caption and a calendar drop-down. It shows
// nothing until a value is set.
class TCaptionedDateEdit : public QDateTimeEdit, public CaptionedBox {
    Q_OBJECT

public:
    explicit TCaptionedDateEdit(QWidget* parent = nullptr);

protected:
    bool focusNextPrevChild(bool next) override;
};

} // namespace kelvra
