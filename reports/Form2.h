#pragma once

#include <QObject>

// The calculation printout. It lives as long as the main window, its owner.
class TForm2 : public QObject {
    Q_OBJECT
public:
    explicit TForm2(QObject* owner);
};
