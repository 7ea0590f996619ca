#include "guitest.h"

#include "i18n/settings.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>

// The stored language, read from the user's settings file.
class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QSettings s(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Termika"));
        s.clear();
        s.sync();
    }

    void storedInTheTermikaFile() {
        QSettings s(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Termika"));
        QCOMPARE(QDir::cleanPath(s.fileName()),
                 QDir::cleanPath(qEnvironmentVariable("XDG_CONFIG_HOME") + "/Termika.conf"));
    }

    void readsTheCode_data() {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("read");
        QTest::newRow("nothing") << QVariant() << QString();
        QTest::newRow("en") << QVariant("en") << "en";
        QTest::newRow("EN kept as is") << QVariant("EN") << "EN";
        QTest::newRow("not a string") << QVariant(QStringList{"en", "de"}) << QString();
    }

    void readsTheCode() {
        QFETCH(QVariant, stored);
        QFETCH(QString, read);
        if (stored.isValid()) {
            QSettings s(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Termika"));
            s.setValue("Langue", stored);
            s.sync();
        }
        QCOMPARE(termika::RejestrOdczyt(), read);
    }
};

TERMIKA_GUI_TEST_MAIN(SettingsTest)
#include "settings_test.moc"
