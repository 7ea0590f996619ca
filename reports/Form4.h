#pragma once

#include <QObject>

// The standards performance sheet. It lives as long as the main window, its owner.
class TForm4 : public QObject {
    Q_OBJECT
public:
    explicit TForm4(QObject* owner);
};
