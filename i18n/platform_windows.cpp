#include "i18n/platform.h"

#include <QSettings>

namespace termika {

std::unique_ptr<QSettings> openLanguageStore() {
    // Where the program has always kept it: straight under the user's hive, not under Software.
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Termika"),
                                       QSettings::NativeFormat);
}

QString qtTranslationsPath() {
    // A Windows machine has no Qt of its own: the translations are resources of the program.
    return QStringLiteral(":/qt/translations");
}

} // namespace termika
