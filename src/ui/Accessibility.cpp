#include "ui/Accessibility.h"

#include "ui/CaptionedFields.h"

#include <QAbstractButton>
#include <QEvent>
#include <QGroupBox>
#include <QHash>
#include <QKeyEvent>
#include <QStringList>

namespace kelvra {

namespace {

class EnterPress : public QObject {
public:
    explicit EnterPress(QAbstractButton& button) : QObject(&button), button_(button) {
        button.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &button_ || event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) {
            return false;
        }
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (modifiers != Qt::NoModifier) {
            return false;
        }
        // A held key presses once. The click goes through the button's own signal,
        // so it waits for a running device operation like any other click.
        if (!key->isAutoRepeat()) {
            button_.click();
        }
        return true;
    }

private:
    QAbstractButton& button_;
};

// The titles of the groups around a box, outermost first; untitled frames add none.
QStringList GroupTitles(const QWidget& box, const QWidget& window) {
    QStringList titles;
    for (const QWidget* outer = box.parentWidget(); outer != nullptr && outer != &window;
         outer = outer->parentWidget()) {
        const auto* group = qobject_cast<const QGroupBox*>(outer);
        if (group != nullptr && !group->title().isEmpty()) {
            titles.prepend(group->title());
        }
    }
    return titles;
}

} // namespace

void PressOnEnter(QAbstractButton& button) {
    new EnterPress(button);
}

void NameRepeatedCaptions(QWidget& window) {
    const QList<TFieldCaption*> captions = window.findChildren<TFieldCaption*>();
    QHash<QString, int> uses;
    for (const TFieldCaption* caption : captions) {
        ++uses[caption->text()];
    }
    for (TFieldCaption* caption : captions) {
        QWidget* box = caption->buddy();
        if (box != nullptr && uses.value(caption->text()) > 1) {
            box->setAccessibleName(
                (GroupTitles(*box, window) << caption->text()).join(QStringLiteral(", ")));
        }
    }
}

} // namespace kelvra
