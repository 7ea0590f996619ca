#include "calc/breakdown.h"

namespace termika {

void Breakdown::add(Element element, double area, double u) {
    if (count_ < items_.size())
        items_[count_++] = {element, area, u, area * u};
}

void Breakdown::setPerimeter(double lg, double psi) {
    lg_ = lg;
    psi_ = psi;
}

void Breakdown::setAreas(double windowArea, double glassArea) {
    aw_ = windowArea;
    ag_ = glassArea;
}

double Breakdown::finish() {
    double sum = 0;
    for (const ElementTerm& item : elements())
        sum += item.term;
    total_ = sum + perimeterTerm();
    uw_ = total_ / aw_;
    return uw_;
}

} // namespace termika
