#include "guitest.h"

#include "reports/Form2.h"
#include "reports/Form4.h"
#include "reports/sheettexts.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace termika;

namespace {

const QString Notes = QStringLiteral(
    "Wartości współczynnika U dla wyliczanego okna uzyskane metodą badawczą mogą odbiegać od \n"
    "prezentowanych w programie.\n"
    "\n"
    "Stosowanie elementów ozdobnych między szybami zmienia właściwości termiczne zespolenia.\n");

// The printout as tab 2 leaves it after a 1500 x 1500 "Tavio 5" calculation.
void fillLikeTab2(Report& report) {
    const std::pair<const char16_t*, QString> texts[] = {
        {u"QRLabel9", QStringLiteral("Szyba      :")},
        {u"QRLabel11", QString()},
        {u"qrlSystem", QStringLiteral("Tavio 5")},
        {u"qrlSzyba", QStringLiteral("float 4mm / 16(ar) / termofloat 4mm")},
        {u"qrlSzyba2", QStringLiteral("-")},
        {u"qrlRamka", QStringLiteral("stalowa")},
        {u"QRLabel13", QString()},
        {u"qrlHp", QString()},
        {u"qrlUSzyby", QStringLiteral("1,10")},
        {u"qrlSzer", QStringLiteral("1500")},
        {u"qrlWys", QStringLiteral("1500")},
        {u"qrlUokna", QStringLiteral("1,41")},
        {u"QRLMsg_1", QString()},
        {u"QRLabel12", Notes},
    };
    for (const auto& [name, text] : texts)
        report.setText(name, text);
    report.setPicture(u"QRImage", QStringLiteral("okno2"));
}

QString tool(const QString& program, const QStringList& arguments) {
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        qFatal("%s is missing (Debian package poppler-utils)", qPrintable(program));
    QProcess process;
    process.start(path, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        qFatal("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The page's text, one printed row per line, blanks squeezed.
QStringList rows(const QString& pdf) {
    QStringList lines;
    const QString text = tool(QStringLiteral("pdftotext"), {"-layout", pdf, "-"});
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.simplified();
        if (!line.isEmpty())
            lines << line;
    }
    return lines;
}

} // namespace

// Pages written to PDF and read back with poppler's tools: the texts are real text in their
// rows, the drawing stays vector.
class PdfTest : public QObject {
    Q_OBJECT

    QTemporaryDir scratch;
    std::unique_ptr<QObject> owner;

    // Set TERMIKA_PDF_DIR to keep the pages for a look.
    QString pdfPath(const QString& name) const {
        const QString keep = qEnvironmentVariable("TERMIKA_PDF_DIR");
        return (keep.isEmpty() ? scratch.path() : keep) + QLatin1Char('/') + name;
    }

private slots:
    void init() { owner = std::make_unique<QObject>(); }
    void cleanup() { owner.reset(); }

    void printoutRowsAsText_data() {
        QTest::addColumn<QString>("row");
        QTest::newRow("title") << "Obliczenia";
        QTest::newRow("system") << "System : Tavio 5";
        QTest::newRow("glass") << "Szyba : float 4mm / 16(ar) / termofloat 4mm";
        QTest::newRow("glass 2 name alone") << "-";
        QTest::newRow("spacer") << "Ramka : stalowa";
        QTest::newRow("Ug") << "Ug : 1,10 W/(m2*K)";
        QTest::newRow("dimensions caption and Uw") << "Wymiary okna: Uw : 1,41 W/(m2*K)";
        QTest::newRow("dimensions") << "1500 x 1500";
        QTest::newRow("notes first line")
            << "Wartości współczynnika U dla wyliczanego okna uzyskane metodą badawczą mogą "
               "odbiegać od";
        QTest::newRow("notes second line") << "prezentowanych w programie.";
        QTest::newRow("notes last line")
            << "Stosowanie elementów ozdobnych między szybami zmienia właściwości termiczne "
               "zespolenia.";
        QTest::newRow("version") << "Termika v0.1.12";
    }
    void printoutRowsAsText() {
        QFETCH(QString, row);
        TForm2 form2(owner.get());
        fillLikeTab2(form2);
        const QString pdf = pdfPath(QStringLiteral("printout.pdf"));
        QVERIFY(writePdf(form2, pdf));
        TERMIKA_NEEDS_POPPLER();
        const QStringList lines = rows(pdf);
        QVERIFY2(lines.contains(row), qPrintable(lines.join(QLatin1Char('\n'))));
    }

    void printoutHasNoPlaceholderLeft() {
        TForm2 form2(owner.get());
        fillLikeTab2(form2);
        const QString pdf = pdfPath(QStringLiteral("printout.pdf"));
        QVERIFY(writePdf(form2, pdf));
        TERMIKA_NEEDS_POPPLER();
        const QString text = rows(pdf).join(QLatin1Char('\n'));
        QVERIFY2(!text.contains(QRegularExpression(QStringLiteral("qrl|QRL"))), qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("Hp")));
    }

    // The window drawing is paths on the page: the only raster is the logo.
    void drawingStaysVector() {
        TForm2 form2(owner.get());
        fillLikeTab2(form2);
        const QString pdf = pdfPath(QStringLiteral("printout.pdf"));
        QVERIFY(writePdf(form2, pdf));
        TERMIKA_NEEDS_POPPLER();
        const QStringList images = tool(QStringLiteral("pdfimages"), {"-list", pdf})
                                       .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                       .mid(2); // two header lines
        QCOMPARE(images.size(), 1);
        const QStringList columns = images.first().simplified().split(QLatin1Char(' '));
        QCOMPARE(columns.value(3), QStringLiteral("817")); // width
        QCOMPARE(columns.value(4), QStringLiteral("445")); // height
    }

    void sheetRowsCarryTheirValues_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("value");
        QTest::newRow("system") << "System:"
                                << "Tavio Polar";
        QTest::newRow("type") << "Typ :"
                              << "Rodzina okien jednodzielnych rozwierano-uchylanych.";
        QTest::newRow("air") << "Przepuszczalność powietrza :"
                             << "Klasa 4";
        QTest::newRow("water") << "Wodoszczelność :"
                               << "Klasa 9A";
        QTest::newRow("forces") << "Siły operacyjne :"
                                << "Klasa 1";
        QTest::newRow("wind") << "Odporność na obciążenie wiatrem :"
                              << "Klasa C4";
        QTest::newRow("safety devices") << "Nośność urządzeń zabezpieczających :"
                                        << "Spełnione";
        QTest::newRow("torsion") << "Odporność na skręcanie statyczne :"
                                 << "Klasa 3";
        QTest::newRow("sash plane") << "Odporność na obciążenia w płaszczyźnie skrzydła :"
                                    << "Klasa 3";
        QTest::newRow("impact") << "Odporność na uderzenie :"
                                << "Klasa 4";
        QTest::newRow("acoustics") << "Właściwości akustyczne :"
                                   << "32-35dB";
    }
    void sheetRowsCarryTheirValues() {
        QFETCH(QString, caption);
        QFETCH(QString, value);
        TForm4 form4(owner.get());
        form4.setPicture(u"QRImage3", QStringLiteral("okno1"));
        form4.setText(u"qrlSystem", QStringLiteral("Tavio Polar"));
        for (const SheetText& item : SheetTexts)
            form4.setText(item.element, item.text.toString());
        const QString pdf = pdfPath(QStringLiteral("sheet.pdf"));
        QVERIFY(writePdf(form4, pdf));
        TERMIKA_NEEDS_POPPLER();
        const QStringList lines = rows(pdf);
        const QString row = caption + QLatin1Char(' ') + value;
        QVERIFY2(lines.contains(row), qPrintable(lines.join(QLatin1Char('\n'))));
    }

    void sheetHeaderAndFooter() {
        TForm4 form4(owner.get());
        const QString pdf = pdfPath(QStringLiteral("sheet.pdf"));
        QVERIFY(writePdf(form4, pdf));
        TERMIKA_NEEDS_POPPLER();
        const QStringList lines = rows(pdf);
        QVERIFY(lines.contains(QStringLiteral("Tarlen S.A.")));
        QCOMPARE(lines.last(), QStringLiteral("Test norm."));
        // The logo and the CE mark are the rasters; the window drawing is not.
        const QString images = tool(QStringLiteral("pdfimages"), {"-list", pdf});
        QCOMPARE(images.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size() - 2, 2);
    }

    void unwritableFileFails() {
        TForm2 form2(owner.get());
        QVERIFY(!writePdf(form2, scratch.path() + QStringLiteral("/missing/printout.pdf")));
    }
};

TERMIKA_GUI_TEST_MAIN(PdfTest)
#include "pdf_test.moc"
