#pragma once

#include <cstdint>
#include <string>

namespace termika {

// The one calculation record shared by all six tabs. Lengths are millimetres, areas square
// metres, the glass perimeter metres, U values W/(m²·K) and the spacer ψ W/(m·K).
struct CalcState {
    std::string NazwaSystemu;
    std::string NazwaSzyby1;
    std::string NazwaSzyby2;
    std::string NazwaRamki;

    std::uint8_t Metoda = 0; // 1: calculation method, 0: test method
    std::int32_t IndeksRamki = 0;

    double USzyby1 = 0;
    double USzyby2 = 0;
    double UOkna = 0;
    double URamy = 0;
    double USlupka = 0;
    double USlupka2 = 0;
    double UPrzew = 0;
    double PoleSzyby = 0;
    double PoleSzyby1 = 0;
    double PoleSzyby2 = 0;
    double PoleOkna = 0;
    double PoleRamy = 0;
    double PoleSlupka = 0;
    double PoleSlupka2 = 0;
    double PolePrzew = 0;
    double Szer = 0;
    double SzerRamy = 0;
    double SzerSlupka = 0;
    double SzerSlupka2 = 0;
    double SzerPrzew = 0;
    double Wys = 0;
    double WysPrzew = 0;
    double ObwodSzyby = 0;
    double PsiRamki = 0;
    double GrPak1 = 0;
    double GrPak2 = 0;
};

// The localisable messages and printout texts, read at the moment they are used so that
// they always speak the language chosen last. UTF-8.
struct TextSlots {
    std::string MsgSzerokosc;
    std::string MsgWysokosc;
    std::string MsgSystem;
    std::string MsgSzyba;
    std::string MsgRamka;
    std::string MsgPakiet;
    std::string MsgWysPrzew;
    std::string MsgWysPrzewBlad;
    std::string TxtPakietUzytkownika;
    std::string TxtSzyba;
    std::string TxtSzyba1;
    std::string TxtSzyba2;
};

} // namespace termika
