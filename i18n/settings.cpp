#include "i18n/settings.h"

#include "i18n/platform.h"

#include <QSettings>
#include <QVariant>

namespace termika {

namespace {

constexpr auto Key = "Langue";
} // namespace

QString RejestrOdczyt() {
    const std::unique_ptr<const QSettings> settings = openLanguageStore();
    const QVariant value = settings->value(QLatin1String(Key));
    if (settings->status() != QSettings::NoError)
        return {};
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

bool RejestrZapis(const QString& code) {
    const std::unique_ptr<QSettings> settings = openLanguageStore();
    const QVariant before = settings->value(QLatin1String(Key));
    settings->setValue(QLatin1String(Key), code);
    settings->sync();
    // A damaged file reports a FormatError from reading it, yet Qt writes the new file over it.
    const bool stored = settings->isWritable() && settings->status() != QSettings::AccessError;
    if (!stored) {
        // Qt keeps an unsaved change in its per-process copy of the file and would show it to
        // the next reader or write it with the next change; put the earlier value back there.
        if (before.isValid())
            settings->setValue(QLatin1String(Key), before);
        else
            settings->remove(QLatin1String(Key));
    }
    return stored;
}

} // namespace termika
