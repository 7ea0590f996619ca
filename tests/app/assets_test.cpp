#include "guitest.h"

#include <QImage>
#include <QSvgRenderer>
#include <QTest>

// The artwork is compiled in and each piece has the size and form the forms and reports use.
class AssetsTest : public QObject {
    Q_OBJECT

private slots:
    void drawingsFitTheirBoxes_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("box");
        QTest::newRow("single sash") << "okno1.svg" << QSize(193, 257);
        QTest::newRow("two sashes") << "okno2.svg" << QSize(313, 225);
        QTest::newRow("three sashes") << "okno3.svg" << QSize(377, 201);
        QTest::newRow("fixed") << "okno4.svg" << QSize(193, 265);
        QTest::newRow("door") << "okno5.svg" << QSize(129, 289);
        QTest::newRow("two-sash door") << "okno6.svg" << QSize(225, 289);
    }

    void drawingsFitTheirBoxes() {
        QFETCH(QString, file);
        QFETCH(QSize, box);
        QSvgRenderer svg(":/img/" + file);
        QVERIFY(svg.isValid());
        const QSizeF size = svg.viewBoxF().size();
        QVERIFY(qAbs(size.width() / size.height() - double(box.width()) / box.height()) < 0.01);
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
