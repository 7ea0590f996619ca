#include "i18n/platform.h"

#include <QLibraryInfo>
#include <QSettings>

namespace termika {

std::unique_ptr<QSettings> openLanguageStore() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Termika"));
}

QString qtTranslationsPath() {
    // Debian's qt6-translations-l10n, which the package depends on.
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

} // namespace termika
