// What the tests meet on Linux: the language store is Termika.conf in the test's own settings
// folder, and poppler's tools read the PDF files.
#include "guitest.h"

#include <QDir>
#include <QFile>

namespace termika::test {

UnwritableStore::UnwritableStore() : folder_(qEnvironmentVariable("XDG_CONFIG_HOME")) {
    if (!QDir().rename(folder_, folder_ + ".away"))
        qFatal("cannot move %s", qPrintable(folder_));
    QFile blocker(folder_);
    if (!blocker.open(QIODevice::WriteOnly))
        qFatal("cannot create %s", qPrintable(folder_));
}

UnwritableStore::~UnwritableStore() {
    QFile::remove(folder_);
    QDir().rename(folder_ + ".away", folder_);
}

bool storeIsAFile() {
    return true;
}

QString settingsFile() {
    return qEnvironmentVariable("XDG_CONFIG_HOME") + "/Termika.conf";
}

QString storeLocation() {
    return settingsFile();
}

bool popplerRuns() {
    return true;
}

} // namespace termika::test
