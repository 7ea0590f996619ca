// What the tests meet on Windows: the language store is the key HKEY_CURRENT_USER\Termika,
// and poppler's tools, Linux programs, cannot be started from the tests under Wine.
#include "guitest.h"

#include <windows.h>

#include <aclapi.h>
#include <sddl.h>

namespace termika::test {

namespace {

// Gives the key the access list of an SDDL string; the key is made if it is missing.
void setKeyAccess(const wchar_t* sddl) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Termika", 0, nullptr, 0,
                        READ_CONTROL | WRITE_DAC | KEY_READ, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        qFatal("cannot open HKEY_CURRENT_USER\\Termika");
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &descriptor,
                                                              nullptr))
        qFatal("bad access list");
    const LONG result = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor);
    LocalFree(descriptor);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS)
        qFatal("cannot set the access of HKEY_CURRENT_USER\\Termika");
}

} // namespace

// Everyone may read the key and change its access list, nobody may write a value into it.
UnwritableStore::UnwritableStore() {
    setKeyAccess(L"D:(D;;0x6;;;WD)(A;;KA;;;WD)");
}

UnwritableStore::~UnwritableStore() {
    setKeyAccess(L"D:(A;;KA;;;WD)");
}

bool storeIsAFile() {
    return false;
}

QString settingsFile() {
    qFatal("the store is no file on Windows");
}

QString storeLocation() {
    return QStringLiteral("\\HKEY_CURRENT_USER\\Termika");
}

bool popplerRuns() {
    return false;
}

} // namespace termika::test
