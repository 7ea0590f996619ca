#include "reports/Form2.h"

TForm2::TForm2(QObject* owner) : QObject(owner) {
    setObjectName(QStringLiteral("Form2"));
}
