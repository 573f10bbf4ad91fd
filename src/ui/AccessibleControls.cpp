#include "ui/AccessibleControls.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>

namespace AccessibleControls {

namespace {

const char* const kindProperty = "orvAccessibleKind";
const char* const groupLabelProperty = "orvGroupLabel";

// Spoken as one line: a label's line breaks are only where the text wraps.
QString OneLine(const QString& text) {
    return QString(text).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

// Every interface built here, to tell them from the ones Qt built before a control was marked.
class Own {};

// The main window: a frame to screen readers (a plain widget would read as a filler).
class WindowAccessible final : public QAccessibleWidget, public Own {
  public:
    explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}
};

// Today's labels and the links: named by their text, described by their tool tip, and
// pressed as a key press would (the window's key filter does the rest).
class KeyLabelAccessible final : public QAccessibleWidget, public Own {
  public:
    KeyLabelAccessible(QLabel* label, QAccessible::Role role) : QAccessibleWidget(label, role) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return OneLine(static_cast<const QLabel*>(object())->text());
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action != pressAction()) return;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QCoreApplication::sendEvent(widget(), &press);
    }
};

// An option button that names the label of its row: Orca reads that label when the focus
// enters the row from elsewhere, so that two rows of the same captions can be told apart.
class OptionAccessible final : public QAccessibleWidget, public Own {
  public:
    explicit OptionAccessible(QRadioButton* option)
        : QAccessibleWidget(option, QAccessible::RadioButton) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return button()->text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button()->isChecked();
        return state;
    }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        auto found = QAccessibleWidget::relations(match);
        auto* label = object()->property(groupLabelProperty).value<QLabel*>();
        if (label != nullptr && (match & QAccessible::Label)) {
            if (QAccessibleInterface* labelInterface = QAccessible::queryAccessibleInterface(label))
                found.append({labelInterface, QAccessible::Label});
        }
        return found;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction()) button()->click();
    }

  private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

// A one-line input window. Qt 6.4's own interface reports every text-attribute run as empty,
// and Orca, which builds the spoken line from those runs, drops the last character of the
// window's text; here the whole text is one run.
class TextWindowAccessible final : public QAccessibleWidget,
                                   public QAccessibleTextInterface,
                                   public QAccessibleEditableTextInterface,
                                   public Own {
  public:
    explicit TextWindowAccessible(QLineEdit* window)
        : QAccessibleWidget(window, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return edit()->text();
        return QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString& text) override {
        if (t == QAccessible::Value)
            edit()->setText(text);
        else
            QAccessibleWidget::setText(t, text);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !edit()->isReadOnly();
        state.readOnly = edit()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index == 0 && edit()->hasSelectedText()) {
            *start = edit()->selectionStart();
            *end = edit()->selectionEnd();
        }
    }
    int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int /*index*/) override { edit()->deselect(); }
    void setSelection(int /*index*/, int start, int end) override {
        edit()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return edit()->cursorPosition(); }
    void setCursorPosition(int position) override { edit()->setCursorPosition(position); }
    QString text(int start, int end) const override {
        return edit()->text().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(edit()->text().size()); }
    QRect characterRect(int offset) const override {
        const QString text = edit()->text();
        if (offset < 0 || offset >= text.size()) return {};
        const QFontMetrics metrics(edit()->font());
        const QRect box = edit()->contentsRect();
        const int left = box.left() + metrics.horizontalAdvance(text.left(offset));
        const QRect local(left, box.top(), metrics.horizontalAdvance(text.at(offset)),
                          box.height());
        return QRect(edit()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
    }
    void scrollToSubstring(int /*start*/, int /*end*/) override {}
    QString attributes(int /*offset*/, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override {
        edit()->setText(edit()->text().replace(start, end - start, text));
    }

  private:
    QLineEdit* edit() const { return static_cast<QLineEdit*>(widget()); }
};

class NotifierAccessible final : public QAccessibleWidget, public Own {
  public:
    explicit NotifierAccessible(QWidget* notifier)
        : QAccessibleWidget(notifier, QAccessible::Notification) {}
};

QAccessibleInterface* Build(Kind kind, QWidget* widget) {
    switch (kind) {
    case Kind::Window:
        return new WindowAccessible(widget);
    case Kind::Link:
        return new KeyLabelAccessible(static_cast<QLabel*>(widget), QAccessible::Link);
    case Kind::Switch:
        return new KeyLabelAccessible(static_cast<QLabel*>(widget), QAccessible::Button);
    case Kind::TextWindow:
        return new TextWindowAccessible(static_cast<QLineEdit*>(widget));
    }
    return nullptr;
}

QAccessibleInterface* Factory(const QString& /*className*/, QObject* object) {
    if (!object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (auto* notifier = qobject_cast<Notifier*>(object)) return new NotifierAccessible(notifier);
    const QVariant kind = object->property(kindProperty);
    if (kind.isValid()) return Build(static_cast<Kind>(kind.toInt()), widget);
    if (object->property(groupLabelProperty).isValid())
        return new OptionAccessible(static_cast<QRadioButton*>(widget));
    return nullptr;
}

void InstallFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    Q_UNUSED(installed);
}

// Qt keeps the interface of a control once built (every change event of a control builds
// one, even with no screen reader): one built before the control was marked gives way.
void Rebuild(QWidget* control) {
    QAccessibleInterface* built = QAccessible::queryAccessibleInterface(control);
    if (built != nullptr && dynamic_cast<Own*>(built) == nullptr)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(built));
}

} // namespace

void SetKind(QWidget* control, Kind kind) {
    InstallFactory();
    control->setProperty(kindProperty, static_cast<int>(kind));
    Rebuild(control);
}

void SetGroupLabel(QWidget* option, QLabel* label) {
    InstallFactory();
    option->setProperty(groupLabelProperty, QVariant::fromValue(label));
    Rebuild(option);
}

Notifier::Notifier(QWidget* parent, QWidget* anchorControl)
    : QWidget(parent), anchor(anchorControl) {
    InstallFactory();
    setObjectName(QStringLiteral("notifier"));
    // Nothing to see: it exists for screen readers only.
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void Notifier::Say(const QString& line) {
    const QString spoken = line.simplified();
    if (spoken.isEmpty()) return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(anchor, spoken);
    QAccessible::updateAccessibility(&announcement);
#else
    Q_UNUSED(anchor);
    // Hidden first, so that the same line twice appears twice.
    hide();
    setAccessibleName(spoken);
    show();
#endif
}

void Notifier::Clear() {
    hide();
    setAccessibleName(QString());
}

} // namespace AccessibleControls
