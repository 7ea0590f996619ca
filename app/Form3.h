#pragma once

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class TForm3;
}

// The Info dialog: the maker's logo and the author's contact address, which opens a new message
// in the user's mail program.
class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent);
    ~TForm3() override;

    static QString contactAddress();
    // The link that Label1 hands to the desktop: "mailto:" + address + "?Subject=Termika".
    static QString mailLink();

    void Label1Click();
    void BitBtn1Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<Ui::TForm3> ui;
};
