#include "guitest.h"

#include "i18n/platform.h"
#include "i18n/settings.h"

#include <QDir>
#include <QFile>
#include <QPoint>
#include <QSettings>

#include <QTest>
#include <memory>

using termika::test::settingsFile;
using termika::test::storedLanguage;
using termika::test::storeIsAFile;
using termika::test::storeLanguage;
using termika::test::UnwritableStore;

namespace {

void writeFile(const QByteArray& bytes) {
    QFile file(settingsFile());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray garbage() {
    QByteArray bytes;
    for (int i = 0; i < 333; ++i)
        bytes.append(char((i * 151 + 7) % 256));
    return bytes;
}

} // namespace

// The stored language, read from and written to the user's settings: a file on Linux, the
// registry on Windows.
class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        termika::openLanguageStore()->clear();
        if (storeIsAFile()) {
            QDir().rmdir(settingsFile()); // left by a failed run of the directory case
            QFile::remove(settingsFile());
        }
    }

    void storedWhereTheProgramAlwaysKeptIt() {
        QCOMPARE(QDir::cleanPath(termika::openLanguageStore()->fileName()),
                 QDir::cleanPath(termika::test::storeLocation()));
    }

    void readsTheCode_data() {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("read");
        QTest::newRow("nothing") << QVariant() << QString();
        QTest::newRow("en") << QVariant("en") << "en";
        QTest::newRow("EN kept as is") << QVariant("EN") << "EN";
        QTest::newRow("a list") << QVariant(QStringList{"en", "de"}) << QString();
        QTest::newRow("raw bytes") << QVariant(QByteArray("en\0\1", 4)) << QString();
        QTest::newRow("a point") << QVariant(QPoint(1, 2)) << QString();
        if (!storeIsAFile()) // a DWORD value; a file keeps no types but strings
            QTest::newRow("a number") << QVariant(7) << QString();
    }

    void readsTheCode() {
        QFETCH(QVariant, stored);
        QFETCH(QString, read);
        if (stored.isValid())
            storeLanguage(stored);
        QCOMPARE(termika::RejestrOdczyt(), read);
    }

    // A file that cannot be read or parsed holds no language, even where a line of it would.
    void damagedFileReadsAsNoLanguage_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("garbage") << garbage();
        QTest::newRow("garbage around the line")
            << garbage().left(100) + "\n[General]\nLangue=en\n" + garbage().mid(100);
        QTest::newRow("a directory in its place") << QByteArray();
    }

    void damagedFileReadsAsNoLanguage() {
        if (!storeIsAFile())
            QSKIP("the store is the registry here");
        QFETCH(QByteArray, content);
        if (content.isEmpty())
            QVERIFY(QDir().mkdir(settingsFile()));
        else
            writeFile(content);
        QCOMPARE(termika::RejestrOdczyt(), QString());
        QDir().rmdir(settingsFile());
    }

    void writesTheCode() {
        QVERIFY(termika::RejestrZapis("de"));
        QCOMPARE(termika::RejestrOdczyt(), QStringLiteral("de"));
        QVERIFY(termika::RejestrZapis("se"));
        QCOMPARE(termika::RejestrOdczyt(), QStringLiteral("se"));
    }

    // Picking a language mends a damaged file rather than failing on it.
    void writesOverADamagedFile() {
        if (!storeIsAFile())
            QSKIP("the store is the registry here");
        writeFile(garbage());
        QVERIFY(termika::RejestrZapis("it"));
        QCOMPARE(termika::RejestrOdczyt(), QStringLiteral("it"));
    }

    void failedWriteKeepsTheEarlierValue() {
        QVERIFY(termika::RejestrZapis("en"));
        {
            const UnwritableStore blocked;
            QVERIFY(!termika::RejestrZapis("de"));
        }
        QCOMPARE(termika::RejestrOdczyt(), QStringLiteral("en"));
        QCOMPARE(storedLanguage(), QVariant("en"));
    }

    void directoryInPlaceOfTheFileFailsTheWrite() {
        if (!storeIsAFile())
            QSKIP("the store is the registry here");
        QVERIFY(QDir().mkdir(settingsFile()));
        QVERIFY(!termika::RejestrZapis("de"));
        QVERIFY(QDir().rmdir(settingsFile()));
        QCOMPARE(termika::RejestrOdczyt(), QString());
    }
};

TERMIKA_GUI_TEST_MAIN(SettingsTest)
#include "settings_test.moc"
