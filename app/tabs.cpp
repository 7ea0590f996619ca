#include "app/tabs.h"

#include "ui_Form1.h"

using termika::WindowType;

TabTable makeTabTable(const Ui::TForm1& ui) {
    // clang-format off
    return {{
        {WindowType::OneSash, termika::computeSingleField, ui.TabSheet1, ui.leSzer1, ui.leWys1,
         ui.cbSystem1, {ui.cbSzyba1, nullptr}, {ui.eUSzyby1, nullptr}, {ui.lUg1, nullptr},
         {nullptr, nullptr}, ui.cbRamka1, nullptr, ui.lUOkna1, ui.Button2},
        {WindowType::TwoSash, nullptr, ui.TabSheet2, ui.leSzer2, ui.leWys2,
         ui.cbSystem2, {ui.cbSzyba2, nullptr}, {ui.eUSzyby2, nullptr}, {ui.lUg2, nullptr},
         {nullptr, nullptr}, ui.cbRamka2, ui.cbSlupRuch, ui.lUOkna2, ui.Button4},
        {WindowType::ThreeSash, nullptr, ui.TabSheet3, ui.leSzer3, ui.leWys3,
         ui.cbSystem3, {ui.cbSzyba3, nullptr}, {ui.eUSzyby3, nullptr}, {ui.lUg3, nullptr},
         {nullptr, nullptr}, ui.cbRamka3, ui.cbSlupRuch2, ui.lUOkna3, ui.Button6},
        {WindowType::Fixed, termika::computeSingleField, ui.TabSheet4, ui.leSzer4, ui.leWys4,
         ui.cbSystem4, {ui.cbSzyba4, nullptr}, {ui.eUSzyby4, nullptr}, {ui.lUg4, nullptr},
         {nullptr, nullptr}, ui.cbRamka4, nullptr, ui.lUOkna4, ui.Button8},
        {WindowType::DoorOneSash, nullptr, ui.TabSheet5, ui.leSzer5, ui.leWys5,
         ui.cbSystem5, {ui.cbSzyba5_1, ui.cbSzyba5_2}, {ui.eUSzyby5_1, ui.eUSzyby5_2},
         {ui.lUg5_1, ui.lUg5_2}, {ui.lGrPak_5_1, ui.lGrPak_5_2}, ui.cbRamka5, nullptr,
         ui.lUOkna5, ui.Button10},
        {WindowType::DoorTwoSash, nullptr, ui.TabSheet6, ui.leSzer6, ui.leWys6,
         ui.cbSystem6, {ui.cbSzyba6_1, ui.cbSzyba6_2}, {ui.eUSzyby6_1, ui.eUSzyby6_2},
         {ui.lUg6_1, ui.lUg6_2}, {nullptr, nullptr}, ui.cbRamka6, ui.cbSlupRuch3,
         ui.lUOkna6, ui.Button12},
    }};
    // clang-format on
}
