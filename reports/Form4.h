#pragma once

#include "reports/report.h"

// The standards performance sheet. It lives as long as the main window, its owner.
class TForm4 : public termika::Report {
    Q_OBJECT
public:
    explicit TForm4(QObject* owner);
};
