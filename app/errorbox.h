#pragma once

#include <QString>

class QWidget;

namespace termika {

// The one report of runtime errors: a modal error box titled with the application title,
// the message followed by a full stop.
void reportError(QWidget* parent, const QString& message);

QString conversionError(const QString& text);

} // namespace termika
