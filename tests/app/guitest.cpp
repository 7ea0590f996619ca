#include "guitest.h"

#include "app/Form1.h"
#include "app/application.h"
#include "i18n/platform.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace termika::test {

BoxWatcher::BoxWatcher() {
    timer_.setInterval(10);
    connect(&timer_, &QTimer::timeout, this, &BoxWatcher::poll);
    timer_.start();
}

void BoxWatcher::poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    seen_.append({box->windowTitle(), box->text(), box->icon()});
    if (look_)
        look_();
    box->done(QMessageBox::Ok);
}

QList<SeenBox> BoxWatcher::take() {
    return std::exchange(seen_, {});
}

void pick(QComboBox* list, int index) {
    list->setFocus();
    while (list->currentIndex() < index)
        QTest::keyClick(list, Qt::Key_Down);
    while (list->currentIndex() > index)
        QTest::keyClick(list, Qt::Key_Up);
}

void typeInto(QWidget* edit, const QString& text) {
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

QString regional(QString pattern) {
    return pattern.replace(QLatin1Char(','), QLocale::system().decimalPoint());
}

bool commaFormat() {
    return QLocale::system().decimalPoint() == QLatin1String(",");
}

bool waitForActive(const QWidget* window) {
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

void MainWindowTest::start() {
    termika::openLanguageStore()->clear();
    boxes = std::make_unique<BoxWatcher>();
    openForm();
}

void MainWindowTest::openForm() {
    // As the program starts: what it sets up before its first form, Qt's texts in Polish among
    // it, whatever an earlier test switched to.
    setupApplication();
    form = std::make_unique<TForm1>();
    form->show();
    if (!waitForActive(form.get()))
        qFatal("the main window did not become active");
}

void MainWindowTest::finish() {
    const QList<SeenBox> left = boxes->take();
    form.reset();
    if (!left.isEmpty())
        QTest::qFail(qPrintable("unexpected box: " + left.first().text), __FILE__, __LINE__);
}

void MainWindowTest::press(const QByteArray& button) const {
    QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
}

void MainWindowTest::click(const QByteArray& checkBox) const {
    // Hidden boxes cannot be clicked with the mouse; toggling is what a click does.
    box(checkBox)->toggle();
}

void MainWindowTest::fill(int n, const QString& width, const QString& height, int system, int glass,
                          int spacer, int glass2) const {
    const QByteArray t = QByteArray::number(n);
    showTab(n);
    typeInto(edit("leSzer" + t), width);
    typeInto(edit("leWys" + t), height);
    pick(list("cbSystem" + t), system);
    if (n >= 5) {
        pick(list("cbSzyba" + t + "_1"), glass);
        pick(list("cbSzyba" + t + "_2"), glass2);
    } else {
        pick(list("cbSzyba" + t), glass);
    }
    pick(list("cbRamka" + t), spacer);
}

void MainWindowTest::showTab(int n) const {
    control<QTabWidget>("PageControl")->setCurrentIndex(n - 1);
}

void storeLanguage(const QVariant& value) {
    const std::unique_ptr<QSettings> store = termika::openLanguageStore();
    store->setValue(QStringLiteral("Langue"), value);
    store->sync();
}

QVariant storedLanguage() {
    return termika::openLanguageStore()->value(QStringLiteral("Langue"));
}

int runGuiTest(QObject& test, int argc, char** argv) {
    // Each run gets settings of its own, never the user's.
    const QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setupApplication();
    return QTest::qExec(&test, argc, argv);
}

} // namespace termika::test
