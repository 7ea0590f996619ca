#pragma once

namespace termika {

// Lets Qt's own texts (the buttons of message boxes, the print preview, the print, page set-up
// and file dialogs) follow the language, given by Qt's name for it: Qt's translation replaces
// the one installed before. Where Qt has none, no translation stays installed and Qt speaks
// English. Nothing is loaded until the first call. Returns whether a translation is installed.
bool useQtTranslation(const char* qtName);

} // namespace termika
