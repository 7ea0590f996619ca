#include "app/application.h"

#include "assets/assets.h"

#include <QCoreApplication>
#include <QFont>

namespace termika {

void setupApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("Termika"));
    // The forms are designed in MS Sans Serif; where it is missing, Liberation Sans
    // (fonts-liberation) is close in metrics, closer than the toolkit's own default.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    initAssets();
}

} // namespace termika
