#pragma once

#include "calc/catalogue.h"

#include <array>

class Picture;
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
    QWidget* sheet;
    Picture* image; // the tab's drawing, also printed
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
    QPushButton* drukuj;
    // The balcony doors' transom and their hidden "glass under the transom" box, which shows
    // or hides glass 2 with its caption and renumbers the lower glass field on the drawing.
    QLineEdit* wysPrzew;
    QLabel* wysPrzewCaption;
    QCheckBox* szybaR;
    QLabel* szyba2Caption;
    std::array<QLabel*, 2> lowerFieldNumbers;

    bool isDoor() const { return szybaR != nullptr; }
    // Glass 2 takes part while the door's box is ticked.
    bool usesGlass2() const;
};

using TabTable = std::array<TabRow, 6>;

TabTable makeTabTable(const Ui::TForm1& ui);
