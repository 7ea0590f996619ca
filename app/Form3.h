#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TForm3;
}

// The Info dialog: the maker's logo and the author's contact address.
class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent);
    ~TForm3() override;

private:
    std::unique_ptr<Ui::TForm3> ui;
};
