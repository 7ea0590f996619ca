#include "guitest.h"

#include "reports/Form2.h"
#include "reports/Form4.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace termika;

// The preview as the print handlers use it: the caller waits in it while the rest of the program
// stays usable, and the preview's pages come from the one render function.
class PreviewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> mainWindow;
    QPushButton* button = nullptr; // something of the main window to use meanwhile
    TForm2* form2 = nullptr;
    TForm4* form4 = nullptr;

    // Runs `step` once the preview of `report` is on screen. A step that fails leaves the
    // preview open; the watchdog closes it so that the test fails instead of hanging.
    void whilePreviewOpen(Report& report, std::function<void()> step) {
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [poll, &report, step] {
            QPointer<QPrintPreviewDialog> dialog = report.previewDialog();
            if (!dialog || !dialog->isVisible())
                return;
            poll->deleteLater();
            poll->stop();
            QTimer::singleShot(20000, dialog, [dialog] { dialog->close(); });
            step();
        });
        poll->start(10);
    }

    void close(Report& report) { report.previewDialog()->close(); }

    static bool isPdf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
    }

    // The text of a PDF file, through pdftotext (Debian package poppler-utils).
    static QString pdfText(const QString& path) {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            qFatal("pdftotext is missing (Debian package poppler-utils)");
        QProcess text;
        text.start(pdftotext, {path, QStringLiteral("-")});
        if (!text.waitForFinished() || text.exitCode() != 0)
            return {};
        return QString::fromUtf8(text.readAllStandardOutput());
    }

private slots:
    void init() {
        mainWindow = std::make_unique<QWidget>();
        button = new QPushButton(QStringLiteral("Przelicz"), mainWindow.get());
        form2 = new TForm2(mainWindow.get());
        form4 = new TForm4(mainWindow.get());
        mainWindow->show();
        QVERIFY(QTest::qWaitForWindowExposed(mainWindow.get()));
    }
    void cleanup() { mainWindow.reset(); }

    void noDialogBeforeFirstUse() {
        QVERIFY(!form2->previewDialog());
        QVERIFY(mainWindow->findChildren<QPrintPreviewDialog*>().isEmpty());
    }

    void callerWaitsWhileProgramStaysUsable() {
        bool closed = false;
        int clicks = 0;
        connect(button, &QPushButton::clicked, this, [&] { ++clicks; });
        whilePreviewOpen(*form2, [&] {
            QPrintPreviewDialog* dialog = form2->previewDialog();
            QCOMPARE(dialog->windowModality(), Qt::NonModal);
            QVERIFY(!dialog->isModal());
            QCOMPARE(dialog->parentWidget(), mainWindow.get());
            QVERIFY(!QApplication::activeModalWidget());
            QTest::mouseClick(button, Qt::LeftButton);
            QTimer::singleShot(50, this, [&] {
                closed = true;
                close(*form2);
            });
        });
        QVERIFY(form2->preview(mainWindow.get()));
        QVERIFY(closed);
        QCOMPARE(clicks, 1);
        QVERIFY(!form2->previewDialog()->isVisible());
    }

    // A second press while the preview is open opens nothing and the open preview is kept.
    void secondPreviewReturnsAtOnce() {
        bool second = true;
        whilePreviewOpen(*form2, [&] {
            QPrintPreviewDialog* first = form2->previewDialog();
            second = form2->preview(mainWindow.get());
            QCOMPARE(form2->previewDialog(), first);
            QVERIFY(first->isVisible());
            QCOMPARE(mainWindow->findChildren<QPrintPreviewDialog*>().size(), 1);
            close(*form2);
        });
        QVERIFY(form2->preview(mainWindow.get()));
        QVERIFY(!second);
    }

    // Each report has a preview of its own.
    void reportsPreviewSideBySide() {
        bool sheetOpened = false;
        whilePreviewOpen(*form2, [&] {
            whilePreviewOpen(*form4, [&] {
                QVERIFY(form2->previewDialog()->isVisible());
                close(*form4);
            });
            sheetOpened = form4->preview(mainWindow.get());
            close(*form2);
        });
        QVERIFY(form2->preview(mainWindow.get()));
        QVERIFY(sheetOpened);
    }

    // The pages are laid out again for every preview: the elements change between prints.
    void everyPreviewDrawsTheElementsAnew() {
        for (const QString& system : {QStringLiteral("Tavio 5"), QStringLiteral("Tavio Polar")}) {
            form2->setText(u"qrlSystem", system);
            QStringList seen;
            whilePreviewOpen(*form2, [&] {
                auto* pages = form2->previewDialog()->findChild<QPrintPreviewWidget*>();
                QCOMPARE(pages->pageCount(), 1);
                close(*form2);
            });
            const QObject listening;
            if (QPrintPreviewDialog* dialog = form2->previewDialog())
                connect(dialog, &QPrintPreviewDialog::paintRequested, &listening,
                        [&] { seen << form2->text(u"qrlSystem"); });
            QVERIFY(form2->preview(mainWindow.get()));
            if (system != u"Tavio 5")
                QCOMPARE(seen, QStringList{system});
        }
    }

    // Written while the preview is open (a second press of "Drukuj"), the elements change but
    // the preview's pages do not; printing and saving from it give the pages it shows.
    void printsAndSavesWhatItShows() {
        QTemporaryDir dir;
        const QString printed = dir.path() + QStringLiteral("/printed.pdf");
        const QString saved = dir.path() + QStringLiteral("/saved.pdf");
        form2->setText(u"qrlUokna", QStringLiteral("1,41"));
        whilePreviewOpen(*form2, [&] {
            form2->setText(u"qrlUokna", QStringLiteral("9,99"));
            QPrintPreviewDialog* dialog = form2->previewDialog();
            dialog->printer()->setOutputFileName(printed);
            dialog->findChild<QPrintPreviewWidget*>()->print();
            QTimer::singleShot(0, this, [&] {
                auto* ask = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                QVERIFY(ask);
                ask->selectFile(saved);
                QMetaObject::invokeMethod(ask, "accept");
            });
            dialog->findChild<QAction*>(QStringLiteral("SaveAsPdf"))->trigger();
            close(*form2);
        });
        QVERIFY(form2->preview(mainWindow.get()));
        for (const QString& pdf : {printed, saved})
            QVERIFY2(isPdf(pdf), qPrintable(pdf));
        TERMIKA_NEEDS_POPPLER();
        for (const QString& pdf : {printed, saved}) {
            const QString text = pdfText(pdf);
            QVERIFY2(text.contains(QStringLiteral("1,41")), qPrintable(pdf));
            QVERIFY2(!text.contains(QStringLiteral("9,99")), qPrintable(pdf));
        }
        // The next preview shows what the elements hold then.
        whilePreviewOpen(*form2, [&] {
            QPrintPreviewDialog* dialog = form2->previewDialog();
            dialog->printer()->setOutputFileName(printed);
            dialog->findChild<QPrintPreviewWidget*>()->print();
            close(*form2);
        });
        QVERIFY(form2->preview(mainWindow.get()));
        QVERIFY(pdfText(printed).contains(QStringLiteral("9,99")));
    }

    void toolBarSavesPdf() {
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/printout.pdf");
        form2->setText(u"qrlUokna", QStringLiteral("1,41"));
        whilePreviewOpen(*form2, [&] {
            auto* save = form2->previewDialog()->findChild<QAction*>(QStringLiteral("SaveAsPdf"));
            QVERIFY(save);
            QCOMPARE(save->text(), QStringLiteral("Save as PDF"));
            QTimer::singleShot(0, this, [&] {
                auto* ask = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                QVERIFY(ask);
                ask->selectFile(dir.path() + QStringLiteral("/printout"));
                QMetaObject::invokeMethod(ask, "accept");
            });
            save->trigger();
            close(*form2);
        });
        QVERIFY(form2->preview(mainWindow.get()));
        QVERIFY(isPdf(path));
        TERMIKA_NEEDS_POPPLER();
        QVERIFY(pdfText(path).contains(QStringLiteral("1,41")));
    }
};

TERMIKA_GUI_TEST_MAIN(PreviewTest)
#include "preview_test.moc"
