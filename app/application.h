#pragma once

namespace termika {

// What the program sets up once, before its first form: the application title, the compiled-in
// artwork and the stand-in for the forms' font where it is missing.
void setupApplication();

} // namespace termika
