#include "guitest.h"

#include "app/Form3.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <memory>

// Stands in for the desktop's mail program.
class MailHandler : public QObject {
    Q_OBJECT
public:
    QList<QUrl> requests;
public slots:
    void open(const QUrl& url) { requests << url; }
};

class Form3Test : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> owner;
    std::unique_ptr<MailHandler> mail;
    TForm3* form = nullptr;

    QLabel* label() { return form->findChild<QLabel*>(QStringLiteral("Label1")); }

private slots:
    void init() {
        owner = std::make_unique<QWidget>();
        form = new TForm3(owner.get());
        mail = std::make_unique<MailHandler>();
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), mail.get(), "open");
    }
    void cleanup() {
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
        owner.reset();
        mail.reset();
    }

    void startsAsDesigned() {
        QCOMPARE(form->objectName(), QStringLiteral("Form3"));
        QCOMPARE(form->windowTitle(), QStringLiteral("Info"));
        QCOMPARE(form->size(), QSize(353, 217));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        form->show();
        QCOMPARE(form->pos(), QPoint(368, 172));
        QVERIFY(label()->font().bold());
        QVERIFY(label()->font().underline());
        QCOMPARE(label()->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(form->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->text(),
                 QStringLiteral("Ok"));
    }

    // The label shows the address that the link mails, and each click is a request of its own.
    void labelMailsTheAddressItShows() {
        form->show();
        QTest::mouseClick(label(), Qt::LeftButton);
        QTest::mouseClick(label(), Qt::LeftButton);
        QCOMPARE(mail->requests.size(), 2);
        const QUrl link = mail->requests.first();
        QCOMPARE(link, mail->requests.last());
        QCOMPARE(link.scheme(), QStringLiteral("mailto"));
        QCOMPARE(link.query(), QStringLiteral("Subject=Termika"));
        QCOMPARE(label()->text(), QStringLiteral("email: ") + link.path());
        QCOMPARE(link.toString(), QStringLiteral("mailto:kontakt@termika.pl?Subject=Termika"));
        QVERIFY(form->isVisible());
    }

    void closes_data() {
        QTest::addColumn<bool>("withOk");
        QTest::newRow("Ok") << true;
        QTest::newRow("close box") << false;
    }
    void closes() {
        QFETCH(bool, withOk);
        bool wasShown = false;
        QTimer::singleShot(0, form, [&] {
            wasShown = form->isVisible();
            if (withOk)
                QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("BitBtn1")),
                                  Qt::LeftButton);
            else
                form->close();
        });
        form->exec();
        QVERIFY(wasShown);
        QVERIFY(!form->isVisible());
        // It can be opened again, with the same content.
        QTimer::singleShot(0, form, [&] { form->close(); });
        form->exec();
        QCOMPARE(label()->text(), QStringLiteral("email: kontakt@termika.pl"));
    }
};

TERMIKA_GUI_TEST_MAIN(Form3Test)
#include "form3_test.moc"
