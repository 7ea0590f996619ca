#include "i18n/settings.h"

#include <QSettings>
#include <QVariant>

namespace termika {

namespace {
constexpr auto Key = "Langue";
}

QString RejestrOdczyt() {
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                             QStringLiteral("Termika"));
    const QVariant value = settings.value(QLatin1String(Key));
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

} // namespace termika
