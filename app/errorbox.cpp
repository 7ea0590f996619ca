#include "app/errorbox.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace termika {

void reportError(QWidget* parent, const QString& message) {
    QMessageBox::critical(parent, QCoreApplication::applicationName(), message + QLatin1Char('.'));
}

QString conversionError(const QString& text) {
    return QStringLiteral("'%1' is not a valid floating point value").arg(text);
}

} // namespace termika
