#include "reports/Form4.h"

TForm4::TForm4(QObject* owner) : QObject(owner) {
    setObjectName(QStringLiteral("Form4"));
}
