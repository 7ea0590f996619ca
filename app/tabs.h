#pragma once

#include "calc/catalogue.h"
#include "calc/uw.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace Ui {
class TForm1;
}

// One row of the per-tab table: the controls of a tab and what makes its window type differ.
// The handler families of the main window work on a row, never on a tab by number.
struct TabRow {
    termika::WindowType type;
    termika::Formula formula; // nullptr while the tab computes nothing
    QWidget* sheet;
    QLineEdit* szer;
    QLineEdit* wys;
    QComboBox* system;
    std::array<QComboBox*, 2> szyba;  // glass 2 only on the balcony doors
    std::array<QLineEdit*, 2> uSzyby; // typed-Ug edits
    std::array<QLabel*, 2> lUg;
    std::array<QLabel*, 2> grPak; // hidden thickness labels (tab 5)
    QComboBox* ramka;
    QCheckBox* slupRuch; // movable-post box, where the type has one
    QLabel* uOkna;
    QPushButton* przelicz;
};

using TabTable = std::array<TabRow, 6>;

TabTable makeTabTable(const Ui::TForm1& ui);
