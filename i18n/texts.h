#pragma once

#include "calc/state.h"

#include <QStringList>

namespace termika {

// The message and printout slots as the program starts: Polish.
TextSlots polishSlots();

// The texts of the spacer list items 0 to 2 in Polish.
QStringList polishSpacerItems();

} // namespace termika
