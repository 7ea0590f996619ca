#pragma once

#include <QStringView>

#include <array>

namespace termika {

struct SheetText {
    QStringView element;
    QStringView text;
};

// What the standards sheet states whatever the system, the dimensions or the language: the
// window family and the nine declared classes, in the order the sheet's handler writes them.
inline constexpr std::array<SheetText, 10> SheetTexts{{
    {u"qrlTyp", u"Rodzina okien jednodzielnych rozwierano-uchylanych."},
    {u"qrl1", u"Klasa 4"},
    {u"qrl2", u"Klasa 9A"},
    {u"qrl3", u"Klasa 1"},
    {u"qrl4", u"Klasa C4"},
    {u"qrl5", u"Spełnione"},
    {u"qrl6", u"Klasa 3"},
    {u"qrl7", u"Klasa 3"},
    {u"qrl8", u"Klasa 4"},
    {u"qrl9", u"32-35dB"},
}};

} // namespace termika
