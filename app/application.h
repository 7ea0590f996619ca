#pragma once

namespace termika {

// What the program sets up once, before its first form: the application title, the compiled-in
// artwork, the stand-in for the forms' font where it is missing, what screen readers are told
// of value labels, and Qt's own texts in Polish.
void setupApplication();

} // namespace termika
