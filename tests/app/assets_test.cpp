#include "guitest.h"

#include "assets/drawings.h"

#include <QImage>
#include <QTest>

// The artwork is compiled in and each piece has the size and form the forms and reports use.
class AssetsTest : public QObject {
    Q_OBJECT

private slots:
    void drawingsFitTheirBoxes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("box");
        QTest::newRow("single sash") << "okno1" << QSize(193, 257);
        QTest::newRow("two sashes") << "okno2" << QSize(313, 225);
        QTest::newRow("three sashes") << "okno3" << QSize(377, 201);
        QTest::newRow("fixed") << "okno4" << QSize(193, 265);
        QTest::newRow("door") << "okno5" << QSize(129, 289);
        QTest::newRow("two-sash door") << "okno6" << QSize(225, 289);
    }

    void drawingsFitTheirBoxes() {
        QFETCH(QString, name);
        QFETCH(QSize, box);
        QVERIFY(termika::isDrawing(name));
        QCOMPARE(termika::drawingSize(name), QSizeF(box));
    }

    void unknownNameIsNoDrawing() {
        QVERIFY(!termika::isDrawing(u"okno7"));
        QVERIFY(!termika::isDrawing(u":/img/logo.png"));
        QVERIFY(termika::drawingSize(u"okno7").isEmpty());
    }

    void logoAndMark() {
        const QImage logo(":/img/logo.png");
        QCOMPARE(logo.size(), QSize(817, 445));
        const QImage mark(":/img/ce.bmp");
        QCOMPARE(mark.size(), QSize(161, 120));
        QCOMPARE(mark.depth(), 8);
    }
};

TERMIKA_GUI_TEST_MAIN(AssetsTest)
#include "assets_test.moc"
