#pragma once

#include <array>
#include <cstddef>
#include <span>

namespace termika {

// The parts of a window that carry heat, in the order in which their terms enter Uw.
enum class Element { Glass, Glass1, Glass2, Frame, Mullion, Mullion2, Transom };

struct ElementTerm {
    Element element;
    double area; // m²
    double u;    // W/(m²·K)
    double term; // area · u, W/K
};

// What a Uw is made of: every element's area, U and heat-flow term, the visible glass perimeter
// with the spacer's ψ, and the window area. Uw is computed here, from these very terms, so the
// shown number and its explanation cannot drift apart.
class Breakdown {
public:
    void add(Element element, double area, double u);
    void setPerimeter(double lg, double psi);
    void setAreas(double windowArea, double glassArea);
    // Sums the terms from the first added to the perimeter's, then divides by the window area.
    double finish();

    std::span<const ElementTerm> elements() const { return {items_.data(), count_}; }
    double perimeter() const { return lg_; }
    double psi() const { return psi_; }
    double perimeterTerm() const { return lg_ * psi_; }
    double windowArea() const { return aw_; }
    double glassArea() const { return ag_; }
    double total() const { return total_; } // W/K, the sum of all terms
    double uw() const { return uw_; }

private:
    std::array<ElementTerm, 6> items_{};
    std::size_t count_ = 0;
    double lg_ = 0;
    double psi_ = 0;
    double aw_ = 0;
    double ag_ = 0;
    double total_ = 0;
    double uw_ = 0;
};

} // namespace termika
