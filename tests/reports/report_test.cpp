#include "guitest.h"

#include "reports/Form2.h"
#include "reports/Form4.h"
#include "reports/elements.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QSet>
#include <QTest>

#include <memory>

using namespace termika;

namespace {

QString padded(const QString& caption, int blanks) {
    return caption + QString(blanks, QLatin1Char(' ')) + QLatin1Char(':');
}

// Draws a page where nothing is kept.
void renderOnce(const Report& report) {
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    QPdfWriter device(&sink);
    device.setPageLayout(Report::pageLayout());
    QPainter painter(&device);
    report.render(painter, QRectF(0, 0, device.width(), device.height()));
}

constexpr double Tolerance = 0.05; // mm

} // namespace

// The report forms as element trees and as laid-out pages.
class ReportTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QObject> owner;
    TForm2* form2 = nullptr;
    TForm4* form4 = nullptr;

    Report* form(const QString& name) { return name == u"Form2" ? form2 : (Report*)form4; }

    void addElementColumns() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("name");
    }

private slots:
    void init() {
        owner = std::make_unique<QObject>();
        form2 = new TForm2(owner.get());
        form4 = new TForm4(owner.get());
    }
    void cleanup() { owner.reset(); }

    void formsAreNamed() {
        QCOMPARE(owner->findChild<TForm2*>(QStringLiteral("Form2")), form2);
        QCOMPARE(owner->findChild<TForm4*>(QStringLiteral("Form4")), form4);
    }

    // Every label as designed: found by name, its caption or placeholder as property "text".
    void labelsAsDesigned_data() {
        addElementColumns();
        QTest::addColumn<QString>("text");
        const auto row = [](const char* form, const char* name, const QString& text) {
            QTest::addRow("%s %s", form, name) << form << name << text;
        };
        row("Form2", "QRLabel1", "Obliczenia");
        row("Form2", "QRLabel7", padded("System", 5));
        row("Form2", "QRLabel10", padded("Ramka", 6));
        row("Form2", "QRLabel2", padded("Ug", 14));
        row("Form2", "QRLabel4", padded("Uw", 14));
        row("Form2", "QRLabel5", "W/(m2*K)");
        row("Form2", "QRLabel6", "W/(m2*K)");
        row("Form2", "QRLabel8", "Wymiary okna:");
        row("Form2", "QRLabel3", "x");
        row("Form2", "QRLabel14", "Termika v0.1.12");
        for (const char* placeholder :
             {"QRLabel9", "QRLabel11", "QRLabel13", "QRLabel12", "qrlSystem", "qrlSzyba",
              "qrlSzyba2", "qrlRamka", "qrlHp", "qrlUSzyby", "qrlSzer", "qrlWys", "QRLMsg_1"})
            row("Form2", placeholder, placeholder);
        row("Form2", "qrlUokna", "...");

        row("Form4", "QRLabel8", "Tarlen S.A.");
        row("Form4", "QRLabel11", "L");
        row("Form4", "QRLabel3", "System:");
        row("Form4", "QRLabel6", padded("Typ", 6));
        row("Form4", "qrlSystem", "qrlSystem");
        row("Form4", "qrlTyp", "qrlTyp");
        row("Form4", "QRLabel9", padded("Przepuszczalność powietrza", 33));
        row("Form4", "QRLabel19", padded("Wodoszczelność", 49));
        row("Form4", "QRLabel7", padded("Siły operacyjne", 52));
        row("Form4", "QRLabel10", padded("Odporność na obciążenie wiatrem", 25));
        row("Form4", "QRLabel13", padded("Nośność urządzeń zabezpieczających", 18));
        row("Form4", "QRLabel2", padded("Odporność na skręcanie statyczne", 23));
        row("Form4", "QRLabel4", padded("Odporność na obciążenia w płaszczyźnie skrzydła", 1));
        row("Form4", "QRLabel5", padded("Odporność na uderzenie", 39));
        row("Form4", "QRLabel18", padded("Właściwości akustyczne", 38));
        for (int i = 1; i <= 9; ++i)
            row("Form4", qPrintable(QStringLiteral("qrl%1").arg(i)), "............");
        row("Form4", "QRLabel1", "Test norm.");
    }
    void labelsAsDesigned() {
        QFETCH(QString, form);
        QFETCH(QString, name);
        QFETCH(QString, text);
        const QObject* element = this->form(form)->findChild<QObject*>(name);
        QVERIFY(element);
        QCOMPARE(element->property("text").toString(), text);
    }

    void picturesAsDesigned_data() {
        addElementColumns();
        QTest::addColumn<QString>("source");
        QTest::newRow("printout logo") << "Form2"
                                       << "QRImage1"
                                       << ":/img/logo.png";
        QTest::newRow("printout drawing") << "Form2"
                                          << "QRImage"
                                          << "";
        QTest::newRow("sheet logo") << "Form4"
                                    << "QRImage1"
                                    << ":/img/logo.png";
        QTest::newRow("sheet CE mark") << "Form4"
                                       << "QRImage2"
                                       << ":/img/ce.bmp";
        QTest::newRow("sheet drawing") << "Form4"
                                       << "QRImage3"
                                       << "okno1";
    }
    void picturesAsDesigned() {
        QFETCH(QString, form);
        QFETCH(QString, name);
        QFETCH(QString, source);
        const auto* picture = this->form(form)->findChild<ReportPicture*>(name);
        QVERIFY(picture);
        QCOMPARE(picture->source(), source);
    }

    // Nothing but the designed elements, so a stray or misspelt name shows up.
    void noOtherElements() {
        // Printout: QRLabel1 to 14, nine qrl labels, QRLMsg_1, two pictures. Sheet: fourteen
        // QRLabel captions, qrlSystem, qrlTyp, qrl1 to 9, three pictures.
        QCOMPARE(form2->children().size(), 26);
        QCOMPARE(form4->children().size(), 28);
        for (const Report* report : {(Report*)form2, (Report*)form4}) {
            QSet<QString> names;
            for (const QObject* child : report->children())
                names.insert(child->objectName());
            QCOMPARE(names.size(), report->children().size());
        }
    }

    // What was written last stays until the next write, through any number of pages drawn.
    void textsAreKept() {
        for (Report* report : {(Report*)form2, (Report*)form4}) {
            for (QObject* child : report->children()) {
                if (qobject_cast<ReportLabel*>(child))
                    child->setProperty("text", QStringLiteral("first ") + child->objectName());
            }
            renderOnce(*report);
            report->setText(u"qrlSystem", QStringLiteral("Tavio Polar"));
            renderOnce(*report);
            for (QObject* child : report->children()) {
                if (!qobject_cast<ReportLabel*>(child) || child->objectName() == u"qrlSystem")
                    continue;
                QCOMPARE(child->property("text").toString(),
                         QStringLiteral("first ") + child->objectName());
            }
            QCOMPARE(report->text(u"qrlSystem"), QStringLiteral("Tavio Polar"));
        }
    }

    // The program creates its reports at start; their photographs wait for the first page and
    // are read once, however often the same one is written again.
    void picturesLoadAtFirstPage() {
        const QList<ReportPicture*> rasters{form2->pictureElement(u"QRImage1"),
                                            form4->pictureElement(u"QRImage1"),
                                            form4->pictureElement(u"QRImage2")};
        for (const ReportPicture* picture : rasters)
            QVERIFY2(!picture->isLoaded(), qPrintable(picture->objectName()));
        renderOnce(*form2);
        renderOnce(*form4);
        for (const ReportPicture* picture : rasters)
            QVERIFY2(picture->isLoaded(), qPrintable(picture->objectName()));
        form4->setPicture(u"QRImage2", QStringLiteral(":/img/ce.bmp"));
        QVERIFY(form4->pictureElement(u"QRImage2")->isLoaded());
        form4->setPicture(u"QRImage2", QStringLiteral(":/img/logo.png"));
        QVERIFY(!form4->pictureElement(u"QRImage2")->isLoaded());
    }

    // Band and element positions from the top-left corner of the printable area, in mm. The
    // page footer stands on the bottom margin (277 mm down). Width 0: the label sizes itself.
    void placement_data() {
        addElementColumns();
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("top");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        const auto row = [](const char* form, const char* name, double left, double top,
                            double width, double height) {
            QTest::addRow("%s %s", form, name) << form << name << left << top << width << height;
        };
        row("Form2", "QRImage1", 143.9, 2.1, 44.7, 23.5);
        row("Form2", "QRImage", 2.1, 28.3 + 2.1, 61.6, 61.6);
        row("Form2", "qrlSystem", 101.6, 28.3 + 8.5, 0, 0);
        row("Form2", "QRLabel13", 69.8, 28.3 + 46.6, 0, 0);
        row("Form2", "qrlUokna", 152.4, 28.3 + 69.8, 0, 0);
        row("Form2", "qrlWys", 25.4, 28.3 + 76.2, 0, 0);
        row("Form2", "QRLabel12", 1.6, 277 - 46.6 + 8.5, 186.8, 32.0);
        row("Form2", "QRLabel14", 169.3, 277 - 46.6 + 42.3, 0, 0);
        row("Form4", "QRImage1", 2.1, 2.1, 59.5, 27.8);
        row("Form4", "QRImage2", 158.8, 4.2, 29.9, 23.5);
        row("Form4", "QRLabel11", 91.0, 10.6, 0, 0);
        row("Form4", "QRImage3", 2.1, 41.0 + 2.1, 65.9, 72.2);
        row("Form4", "qrlTyp", 95.2, 41.0 + 12.7, 0, 0);
        row("Form4", "QRLabel18", 80.4, 41.0 + 76.2, 0, 0);
        row("Form4", "qrl9", 165.1, 41.0 + 76.2, 0, 0);
    }
    void placement() {
        QFETCH(QString, form);
        QFETCH(QString, name);
        QFETCH(double, left);
        QFETCH(double, top);
        QFETCH(double, width);
        QFETCH(double, height);
        const QRectF box = this->form(form)->elementRect(name);
        QVERIFY2(qAbs(box.left() - left) < Tolerance, qPrintable(QString::number(box.left())));
        QVERIFY2(qAbs(box.top() - top) < Tolerance, qPrintable(QString::number(box.top())));
        if (width > 0) {
            QVERIFY(qAbs(box.width() - width) < Tolerance);
            QVERIFY(qAbs(box.height() - height) < Tolerance);
        } else {
            QVERIFY(box.width() > 1);
            QVERIFY(box.height() > 1);
        }
    }

    // The line height follows the type size: 10 points but for these.
    void typeSizes_data() {
        addElementColumns();
        QTest::addColumn<double>("points");
        QTest::newRow("title") << "Form2"
                               << "QRLabel1" << 17.5;
        QTest::newRow("Uw") << "Form2"
                            << "qrlUokna" << 12.0;
        QTest::newRow("version") << "Form2"
                                 << "QRLabel14" << 6.0;
        QTest::newRow("sheet footer") << "Form4"
                                      << "QRLabel1" << 8.0;
        QTest::newRow("sheet value") << "Form4"
                                     << "qrl1" << 10.0;
    }
    void typeSizes() {
        QFETCH(QString, form);
        QFETCH(QString, name);
        QFETCH(double, points);
        const double tenPoints = form2->elementRect(u"qrlSzer").height();
        const double ratio = this->form(form)->elementRect(name).height() / tenPoints;
        QVERIFY2(qAbs(ratio - points / 10) < 0.03, qPrintable(QString::number(ratio)));
    }

    void uwIsBold() {
        form2->setText(u"qrlUokna", QStringLiteral("Tavio"));
        form2->setText(u"qrlSystem", QStringLiteral("Tavio"));
        const QRectF bold = form2->elementRect(u"qrlUokna");
        const QRectF plain = form2->elementRect(u"qrlSystem");
        // Bold type is wider for its height than the plain type.
        QVERIFY(bold.width() / bold.height() > 1.05 * plain.width() / plain.height());
    }

    // A label that sizes itself keeps its left edge, centre or right edge as its text changes.
    void anchorsHold_data() {
        addElementColumns();
        QTest::addColumn<QString>("edge");
        QTest::addColumn<double>("at");
        QTest::newRow("left") << "Form2"
                              << "qrlSzyba"
                              << "left" << 101.6;
        QTest::newRow("centred title") << "Form2"
                                       << "QRLabel1"
                                       << "centre" << 92.7;
        QTest::newRow("centred message") << "Form2"
                                         << "QRLMsg_1"
                                         << "centre" << 96.2;
        QTest::newRow("right footer") << "Form4"
                                      << "QRLabel1"
                                      << "right" << 188.9;
    }
    void anchorsHold() {
        QFETCH(QString, form);
        QFETCH(QString, name);
        QFETCH(QString, edge);
        QFETCH(double, at);
        Report* report = this->form(form);
        const QString designed = report->text(name);
        double width = 0;
        for (const QString& text : {designed, designed + QStringLiteral(" and a longer text")}) {
            report->setText(name, text);
            const QRectF box = report->elementRect(name);
            QVERIFY(box.width() > width);
            width = box.width();
            const double x = edge == u"left"     ? box.left()
                             : edge == u"centre" ? box.center().x()
                                                 : box.right();
            QVERIFY2(qAbs(x - at) < Tolerance, qPrintable(QString::number(x)));
        }
    }

    void longTextWrapsInsideTheBand() {
        const QRectF oneLine = form2->elementRect(u"qrlSzyba");
        form2->setText(u"qrlSzyba",
                       QStringLiteral("float 4mm / 16(ar) / termofloat 4mm ").repeated(4));
        const QRectF wrapped = form2->elementRect(u"qrlSzyba");
        QCOMPARE(wrapped.left(), oneLine.left());
        QVERIFY(wrapped.right() <= 190.0 + Tolerance);
        QVERIFY(wrapped.height() > 1.5 * oneLine.height());
    }

    void emptyLabelTakesNoRoom() {
        form2->setText(u"QRLabel13", QString());
        QCOMPARE(form2->elementRect(u"QRLabel13").width(), 0.0);
    }

    void notesKeepTheirBox() {
        form2->setText(u"QRLabel12", QStringLiteral("line\n").repeated(40));
        const QRectF box = form2->elementRect(u"QRLabel12");
        QVERIFY(qAbs(box.width() - 186.8) < Tolerance);
        QVERIFY(qAbs(box.height() - 32.0) < Tolerance);
    }
};

TERMIKA_GUI_TEST_MAIN(ReportTest)
#include "report_test.moc"
