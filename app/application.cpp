#include "app/application.h"

#include "assets/assets.h"

#include <QApplication>
#include <QFont>

namespace termika {

void setupApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("Termika"));
    // The forms are designed in MS Sans Serif; where it is missing, Liberation Sans
    // (fonts-liberation) is close in metrics, closer than the toolkit's own default.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    // Set program-wide rather than on the forms alone, so that the message boxes, the preview
    // and the tooltips are set in the forms' type too.
    QApplication::setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    initAssets();
}

} // namespace termika
