#include "app/Form3.h"

#include "ui_Form3.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

TForm3::TForm3(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TForm3>()) {
    ui->setupUi(this);
    setFixedSize(size());
    move(368, 172); // as designed, not centred over the main window
    // The label and the link read the one address, so what is shown is what is mailed.
    ui->Label1->setText(QStringLiteral("email: ") + contactAddress());
    ui->Label1->adjustSize();
    ui->Label1->installEventFilter(this);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &TForm3::BitBtn1Click);
}

TForm3::~TForm3() = default;

QString TForm3::contactAddress() {
    return QStringLiteral("kontakt@termika.pl");
}

QString TForm3::mailLink() {
    return QStringLiteral("mailto:") + contactAddress() + QStringLiteral("?Subject=Termika");
}

bool TForm3::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->Label1 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
        ui->Label1->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
        Label1Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TForm3::Label1Click() {
    // Without a mail program set up the request goes nowhere, and the dialog stays as it is.
    QDesktopServices::openUrl(QUrl(mailLink()));
}

void TForm3::BitBtn1Click() {
    accept();
}
