#pragma once

#include <QString>

#include <memory>

class QSettings;

namespace termika {

// What differs between the platforms for the language; one file per platform implements it.

// The store of the language setting: on Linux $XDG_CONFIG_HOME/Termika.conf, on Windows the key
// HKEY_CURRENT_USER\Termika of the registry.
std::unique_ptr<QSettings> openLanguageStore();

// The folder of Qt's own translations (qtbase_<language>.qm): the system's on Linux, compiled
// into the program on Windows.
QString qtTranslationsPath();

} // namespace termika
