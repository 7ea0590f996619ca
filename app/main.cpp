#include "app/Form1.h"
#include "app/application.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    termika::setupApplication();
    TForm1 form1;
    form1.show();
    return QApplication::exec();
}
