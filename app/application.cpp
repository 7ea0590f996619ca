#include "app/application.h"

#include "app/accessibility.h"
#include "assets/assets.h"
#include "i18n/languages.h"
#include "i18n/qttranslation.h"

#include <QApplication>
#include <QFont>

namespace termika {

void setupApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("Termika"));
    // The forms are designed in MS Sans Serif and the printout in Arial; where they are missing,
    // Liberation Sans (fonts-liberation) is close in metrics, closer than the toolkit's own
    // default. Where they are there, as on Windows, they are used.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    // Set program-wide rather than on the forms alone, so that the message boxes, the preview
    // and the tooltips are set in the forms' type too.
    QApplication::setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    initAssets();
    installAccessibility();
    // The window starts in Polish, and so do Qt's own dialogs, boxes and context menus. Read
    // before the forms exist, it costs no more than the reading: no widget has to be told.
    useQtTranslation(ruleOf(Language::Polish).qtName);
}

} // namespace termika
