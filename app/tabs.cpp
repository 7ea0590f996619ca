#include "app/tabs.h"

#include "ui_Form1.h"

using termika::WindowType;

bool TabRow::usesGlass2() const {
    return szybaR && szybaR->isChecked();
}

TabTable makeTabTable(const Ui::TForm1& ui) {
    // clang-format off
    return {{
        {WindowType::OneSash, ui.TabSheet1, ui.Image1, ui.leSzer1, ui.leWys1,
         ui.cbSystem1, {ui.cbSzyba1, nullptr}, {ui.eUSzyby1, nullptr}, {ui.lUg1, nullptr},
         {nullptr, nullptr}, ui.cbRamka1, nullptr, ui.lUOkna1, ui.Button2, ui.Button1,
         nullptr, nullptr, nullptr, nullptr, {nullptr, nullptr}},
        {WindowType::TwoSash, ui.TabSheet2, ui.Image2, ui.leSzer2, ui.leWys2,
         ui.cbSystem2, {ui.cbSzyba2, nullptr}, {ui.eUSzyby2, nullptr}, {ui.lUg2, nullptr},
         {nullptr, nullptr}, ui.cbRamka2, ui.cbSlupRuch, ui.lUOkna2, ui.Button4, ui.Button3,
         nullptr, nullptr, nullptr, nullptr, {nullptr, nullptr}},
        {WindowType::ThreeSash, ui.TabSheet3, ui.Image3, ui.leSzer3, ui.leWys3,
         ui.cbSystem3, {ui.cbSzyba3, nullptr}, {ui.eUSzyby3, nullptr}, {ui.lUg3, nullptr},
         {nullptr, nullptr}, ui.cbRamka3, ui.cbSlupRuch2, ui.lUOkna3, ui.Button6, ui.Button5,
         nullptr, nullptr, nullptr, nullptr, {nullptr, nullptr}},
        {WindowType::Fixed, ui.TabSheet4, ui.Image4, ui.leSzer4, ui.leWys4,
         ui.cbSystem4, {ui.cbSzyba4, nullptr}, {ui.eUSzyby4, nullptr}, {ui.lUg4, nullptr},
         {nullptr, nullptr}, ui.cbRamka4, nullptr, ui.lUOkna4, ui.Button8, ui.Button7,
         nullptr, nullptr, nullptr, nullptr, {nullptr, nullptr}},
        {WindowType::DoorOneSash, ui.TabSheet5, ui.Image5, ui.leSzer5, ui.leWys5,
         ui.cbSystem5, {ui.cbSzyba5_1, ui.cbSzyba5_2}, {ui.eUSzyby5_1, ui.eUSzyby5_2},
         {ui.lUg5_1, ui.lUg5_2}, {ui.lGrPak_5_1, ui.lGrPak_5_2}, ui.cbRamka5, nullptr,
         ui.lUOkna5, ui.Button10, ui.Button9,
         ui.leWysPrzew5, ui.leWysPrzew5Label, ui.cbSzyba5_R, ui.Label5, {ui.l5_2, nullptr}},
        {WindowType::DoorTwoSash, ui.TabSheet6, ui.Image6, ui.leSzer6, ui.leWys6,
         ui.cbSystem6, {ui.cbSzyba6_1, ui.cbSzyba6_2}, {ui.eUSzyby6_1, ui.eUSzyby6_2},
         {ui.lUg6_1, ui.lUg6_2}, {nullptr, nullptr}, ui.cbRamka6, ui.cbSlupRuch3,
         ui.lUOkna6, ui.Button12, ui.Button11,
         ui.leWysPrzew6, ui.leWysPrzew6Label, ui.cbSzyba6_R, ui.Label6, {ui.L6_2_1, ui.L6_2_2}},
    }};
    // clang-format on
}
