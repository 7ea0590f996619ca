#include "app/Form3.h"

#include "ui_Form3.h"

TForm3::TForm3(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TForm3>()) {
    ui->setupUi(this);
    setFixedSize(size());
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

TForm3::~TForm3() = default;
