#pragma once

#include "calc/breakdown.h"

#include <QString>

#include <string>

namespace termika {

// The breakdown of a Uw as a small table for the result label's tooltip: a row per element with
// its area, U, heat-flow term and share of the total, then the glass perimeter with ψ, then the
// window area, the glass share and Uw. Symbols and units are the same in every language; the
// numbers use the given decimal separator.
QString breakdownTip(const Breakdown& breakdown, const std::string& decimalSep);

// The same terms as plain text, a line per row, for assistive tools, which read no markup.
QString breakdownText(const Breakdown& breakdown, const std::string& decimalSep);

} // namespace termika
