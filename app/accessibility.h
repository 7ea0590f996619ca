#pragma once

#include <QString>
#include <QWidget>

class QLabel;

namespace termika {

// What assistive tools are told beyond Qt's own: a value label that is the buddy of a caption
// label is named "caption value" ("U Okna : 1,34", "Ug : 1,10") and described by its accessible
// description only (a result's breakdown as plain text), never the markup of its tooltip; a
// drop-down list is named by its field label and read by its current item. Installed once,
// before the first window is shown.
void installAccessibility();

// What a screen reader reads for a value label: its caption and its text, "U Okna : 1,34".
QString spokenText(const QLabel* value);

// Tells screen readers a text at once, wherever the focus is: a notification that appears anew
// each time it has something to say, which a screen reader reads out as it appears (Qt 6.4 has
// no announcement of its own). It takes no room and never the focus.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);
    void say(const QString& text);
    const QString& said() const { return said_; }

private:
    QString said_;
};

} // namespace termika
