#pragma once

#include <QString>

namespace termika {

// The stored language code, the program's one persistent setting: "Langue" under "Termika"
// in the user's settings (see openLanguageStore). Nothing stored, a value that is not a string,
// or a settings file that cannot be read or parsed, reads as an empty code.
QString RejestrOdczyt();

// Stores the code; false when it could not be stored, in which case the store keeps what it
// held before.
bool RejestrZapis(const QString& code);

} // namespace termika
