#include "i18n/texts.h"

namespace termika {

TextSlots polishSlots() {
    return {
        .MsgSzerokosc = "Podaj szerokość",
        .MsgWysokosc = "Podaj wysokość",
        .MsgSystem = "Podaj system",
        .MsgSzyba = "Podaj szybę",
        .MsgRamka = "Podaj ramkę",
        .MsgPakiet = "Nieodpowiedni pakiet",
        .MsgWysPrzew = "Podaj wysokość przewiązki",
        .MsgWysPrzewBlad = "Wysokość przewiązki niepoprawna",
        .TxtPakietUzytkownika = "Pakiet użytkownika",
        .TxtSzyba = "Szyba      :",
        .TxtSzyba1 = "Szyba 1    :",
        .TxtSzyba2 = "Szyba 2    :",
    };
}

QStringList polishSpacerItems() {
    return {QStringLiteral("-"), QStringLiteral("stalowa"), QStringLiteral("tworzywowa")};
}

} // namespace termika
