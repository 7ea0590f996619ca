#pragma once

#include "calc/state.h"

#include <array>
#include <string>
#include <string_view>

// The profile systems, glazing units and spacer bars that the lists offer. List item 0 is
// always "-", nothing chosen; handlers pass item indexes, never item texts.
namespace termika {

enum class WindowType { OneSash, TwoSash, ThreeSash, Fixed, DoorOneSash, DoorTwoSash };

// Frame Uf values shared by several window types.
inline constexpr double UfFest = 1.49;                // fixed window, Tavio 5 systems
inline constexpr double UfTavio5Obliczeniowa = 1.52;  // Tavio 5, calculation method
inline constexpr double UfTavio5Badawcza = 1.3;       // Tavio 5, test method
inline constexpr double UfClassicObliczeniowa = 1.55; // Tavio Classic, calculation method
inline constexpr double UfClassicBadawcza = 1.1;      // Tavio Classic, test method

inline constexpr std::array<std::string_view, 5> SystemItems = {
    "-", "Tavio 5", "Tavio Classic", "Tavio Polar", "Tavio Polar Classic"};

struct Glazing {
    std::string_view name;
    double ug;        // W/(m²·K)
    double thickness; // mm
};

inline constexpr std::array<Glazing, 7> GlazingItems = {{
    {"-", 0, 0},
    {"float 4mm / 16(ar) / float 4mm", 2.6, 24},
    {"float 4mm / 16(ar) / termofloat 4mm", 1.1, 24},
    {"TMP 4mm / 10(ar) / float 4mm / 10(ar) / TMP 4mm", 0.8, 32},
    {"TMP 4mm / 12(ar) / float 4mm / 12(ar) / TMP 4mm", 0.7, 36},
    {"TMP 4mm / 18(ar) / float 4mm / 18(ar) / TMP 4mm", 0.5, 48},
    {"TMP 33.1 / 12(ar) / 33.1", 1.3, 24},
}};

// ψ of the spacer items; their texts belong to the language in use.
inline constexpr std::array<double, 3> SpacerPsi = {0, 0.064, 0.031};

enum class GlassField { First, Second };

// Loads the frame, division and transom values of a system for a window type, reading the
// method from the state and the tab's movable-post box as given.
void applySystem(CalcState& state, WindowType type, int item, bool movablePost);

void applyGlazing(CalcState& state, GlassField field, int item);

// The state's fields of one glass field: what a glazing choice or a typed Ug writes.
struct GlassFields {
    std::string& name;
    double& ug;
    double& thickness;
};

GlassFields glassFields(CalcState& state, GlassField field);

void applySpacer(CalcState& state, int item, std::string_view itemText);

} // namespace termika
