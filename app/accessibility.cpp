#include "app/accessibility.h"

#include "i18n/apply.h"

#include <QAccessibleWidget>
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

QAccessibleInterface* captionedValues(const QString& className, QObject* object) {
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
    static const bool installed = (QAccessible::installFactory(captionedValues), true);
    (void)installed;
}

} // namespace termika
