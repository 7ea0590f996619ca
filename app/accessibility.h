#pragma once

#include <QString>

class QLabel;

namespace termika {

// Lets assistive tools read a value label through its caption: a label that is the buddy of a
// caption label is named "caption value" ("U Okna : 1,34", "Ug : 1,10"), and its description is
// its accessible description only (a result's breakdown as plain text), never the markup of its
// tooltip. Installed once, before the first window is shown.
void installAccessibility();

// What a screen reader reads for a value label: its caption and its text, "U Okna : 1,34".
QString spokenText(const QLabel* value);

} // namespace termika
