#pragma once

#include <QString>

namespace termika {

// The stored language code, the program's one persistent setting: "Langue" under "Termika"
// in the user's settings (on Linux $XDG_CONFIG_HOME/Termika.conf). Nothing stored, or a value
// that is not a string, reads as an empty code.
QString RejestrOdczyt();

} // namespace termika
