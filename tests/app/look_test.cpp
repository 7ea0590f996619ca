#include "guitest.h"

#include "app/Picture.h"

#include <QFontInfo>
#include <QImage>
#include <QTabWidget>
#include <QTest>

using namespace termika::test;

namespace {

// Whether some pixel of the image has the colour, give or take the edge smoothing of small
// type (near enough to tell navy from black, or red from the window's own text).
bool shows(const QImage& image, QColor colour) {
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x) {
            const QColor seen = pixels.pixelColor(x, y);
            if (qAbs(seen.red() - colour.red()) <= 60 &&
                qAbs(seen.green() - colour.green()) <= 60 &&
                qAbs(seen.blue() - colour.blue()) <= 60)
                return true;
        }
    return false;
}

} // namespace

// The designed look of the main window, and what its start leaves for later.
class LookTest : public MainWindowTest {
    Q_OBJECT

    // Shows the tab that holds the control, so that it is painted as the user sees it.
    void bringToFront(const QWidget* shown) const {
        auto* tabs = control<QTabWidget>("PageControl");
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->widget(i)->isAncestorOf(shown))
                tabs->setCurrentIndex(i);
    }

private slots:
    void init() { start(); }
    void cleanup() { finish(); }

    void designedLook_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QColor>("colour"); // seen on the control as painted; invalid: any
        QTest::addColumn<QPoint>("at");     // where; (-1, -1): somewhere in its type
        QTest::addColumn<int>("pixelSize"); // of its type; 0: the window's own
        QTest::addColumn<bool>("bold");
        const QColor red(255, 0, 0);
        const QColor navy(0, 0, 128);
        const QColor white(255, 255, 255);
        const QColor black(0, 0, 0);
        const QPoint anywhere(-1, -1);
        // The panels' own colour shows beside the header box and to the right of the tabs.
        QTest::newRow("header panel")
            << QByteArray("Panel3") << white << QPoint(10, 40) << 0 << false;
        QTest::newRow("body panel")
            << QByteArray("Panel1") << white << QPoint(800, 10) << 0 << false;
        QTest::newRow("header box") << QByteArray("cbSzybaLista") << navy << anywhere << 0 << false;
        QTest::newRow("notes") << QByteArray("Memo1") << QColor() << anywhere << 16 << false;
        for (const char* tab : {"1", "2", "3", "4", "5", "6"})
            QTest::addRow("result %s", tab)
                << "lUOkna" + QByteArray(tab) << red << anywhere << 16 << false;
        for (const char* caption :
             {"Label11", "Label32", "Label34", "Label36", "Label38", "Label40"})
            QTest::addRow("caption %s", caption)
                << QByteArray(caption) << red << anywhere << 16 << false;
        for (const char* number : {"l5_1", "l5_2", "L6_1_1", "L6_2_1", "L6_1_2", "L6_2_2"})
            QTest::addRow("field number %s", number)
                << QByteArray(number) << black << anywhere << 21 << true;
    }

    void designedLook() {
        QFETCH(QByteArray, name);
        QFETCH(QColor, colour);
        QFETCH(QPoint, at);
        QFETCH(int, pixelSize);
        QFETCH(bool, bold);
        QWidget* shown = widget(name);
        bringToFront(shown);
        const QImage painted = shown->grab().toImage();
        if (at != QPoint(-1, -1))
            QCOMPARE(painted.pixelColor(at), colour);
        else if (colour.isValid())
            QVERIFY(shows(painted, colour));
        const QFontInfo type(shown->font());
        if (pixelSize)
            QCOMPARE(type.pixelSize(), pixelSize);
        QCOMPARE(type.bold(), bold);
    }

    // A style sheet anywhere in a window sends what it covers through Qt's style sheet engine,
    // which used to be most of the start's cost; the look comes from palettes and fonts.
    void noStyleSheets() {
        QVERIFY(qApp->styleSheet().isEmpty());
        const QList<QWidget*> widgets = form->findChildren<QWidget*>() << form.get();
        for (const QWidget* each : widgets)
            QVERIFY2(each->styleSheet().isEmpty(), qPrintable(each->objectName()));
    }

    // The logo is decoded once for the main window and the Info dialog; each tab shows its
    // drawing, black on white, fitted to its box.
    void picturesShow() {
        QVERIFY(QTest::qWaitFor([&] { return control<Picture>("Image7")->isLoaded(); }));
        for (int n = 1; n <= 6; ++n) {
            const QByteArray name = "Image" + QByteArray::number(n);
            showTab(n);
            auto* image = control<Picture>(name);
            const QImage shown = image->grab().toImage();
            int black = 0;
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x)
                    black += qGray(shown.pixel(x, y)) < 64;
            // Outlines only: some ink, most of the box white.
            QVERIFY2(black > 200, name);
            QVERIFY2(black < shown.width() * shown.height() / 4, name);
        }
    }
};

TERMIKA_GUI_TEST_MAIN(LookTest)
#include "look_test.moc"
