#include "i18n/qttranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QString>
#include <QTranslator>

namespace termika {

namespace {
QPointer<QTranslator> installed;
QString installedName;
} // namespace

bool useQtTranslation(const char* qtName) {
    const QString name = QString::fromLatin1(qtName);
    if (installed && name == installedName)
        return true;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
    installedName.clear();

    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_") + name,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
    installedName = name;
    return true;
}

} // namespace termika
