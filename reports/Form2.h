#pragma once

#include "reports/report.h"

// The calculation printout. It lives as long as the main window, its owner.
class TForm2 : public termika::Report {
    Q_OBJECT
public:
    explicit TForm2(QObject* owner);
};
