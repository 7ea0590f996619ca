#include "i18n/qttranslation.h"

#include "i18n/platform.h"

#include <QCoreApplication>
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

    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_") + name, qtTranslationsPath())) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
        translator = nullptr;
    }
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
    installed = translator;
    installedName = translator ? name : QString();
    return translator != nullptr;
}

} // namespace termika
