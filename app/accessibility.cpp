#include "app/accessibility.h"

#include "i18n/apply.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>

namespace termika {

namespace {

class CaptionedValue : public QAccessibleWidget {
public:
    explicit CaptionedValue(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        const auto* value = static_cast<const QLabel*>(widget());
        switch (t) {
        case QAccessible::Name:
            if (!value->accessibleName().isEmpty())
                return value->accessibleName();
            return spokenText(value);
        case QAccessible::Description:
            return value->accessibleDescription();
        default:
            return QAccessibleWidget::text(t);
        }
    }
};

// A drop-down list named by its field label, its current item offered as its value and as its
// text. Qt 6.4 tells screen readers the current item of a list only through a selection of its
// popup, which it does not expose: Orca read neither the item shown nor the item picked.
class ChoiceList : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ChoiceList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {
        // A new item reads as new text where the list stands, which a screen reader speaks.
        QObject::connect(list, &QComboBox::currentTextChanged, list,
                         [list, shown = list->currentText()](const QString& now) mutable {
                             QAccessibleTextUpdateEvent change(list, 0, shown, now);
                             QAccessible::updateAccessibility(&change);
                             shown = now;
                         });
    }

    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
    QString shown() const { return list()->currentText(); }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            if (!list()->accessibleName().isEmpty())
                return list()->accessibleName();
            if (const QLabel* field = captionOf(list()))
                return field->text();
            return shown();
        case QAccessible::Value:
            return shown();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = list()->view()->isVisible();
        state.collapsed = !state.expanded;
        return state;
    }

    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << showMenuAction() << pressAction();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction())
            list()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

    // The text is the current item, read only.
    QString text(int start, int end) const override { return shown().mid(start, end - start); }
    int characterCount() const override { return int(shown().size()); }
    QString textAtOffset(int, QAccessible::TextBoundaryType, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return shown();
    }
    QString textBeforeOffset(int, QAccessible::TextBoundaryType, int* start,
                             int* end) const override {
        *start = *end = 0;
        return {};
    }
    QString textAfterOffset(int, QAccessible::TextBoundaryType, int* start,
                            int* end) const override {
        *start = *end = characterCount();
        return {};
    }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }
};

class Notification : public QAccessibleWidget {
public:
    explicit Notification(Announcer* announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<const Announcer*>(widget())->said()
                                      : QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* termikaInterfaces(const QString& className, QObject* object) {
    if (auto* announcer = qobject_cast<Announcer*>(object))
        return new Notification(announcer);
    if (className == QLatin1String("QComboBox"))
        if (auto* list = qobject_cast<QComboBox*>(object); list && !list->isEditable())
            return new ChoiceList(list);
    if (className != QLatin1String("QLabel"))
        return nullptr;
    auto* label = qobject_cast<QLabel*>(object);
    return label && captionOf(label) ? new CaptionedValue(label) : nullptr;
}

} // namespace

QString spokenText(const QLabel* value) {
    const QLabel* caption = captionOf(value);
    return caption ? caption->text() + QLatin1Char(' ') + value->text() : value->text();
}

void installAccessibility() {
    static const bool installed = (QAccessible::installFactory(termikaInterfaces), true);
    (void)installed;
}

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(0, 0);
    hide();
}

void Announcer::say(const QString& text) {
    said_ = text;
    // Shown anew, so that the same words are told again after another press.
    hide();
    show();
}

} // namespace termika
