#include "win32_registry_key.h"

namespace hoshikura {

static_assert(kRegSz == REG_SZ && kRegExpandSz == REG_EXPAND_SZ && kRegBinary == REG_BINARY &&
                  kRegDword == REG_DWORD && kRegDwordBigEndian == REG_DWORD_BIG_ENDIAN &&
                  kRegMultiSz == REG_MULTI_SZ && kRegQword == REG_QWORD && kRegNone == REG_NONE,
              "value types carry the Windows numbers");

namespace {

RegistryResult Result(LONG status) {
    switch (status) {
    case ERROR_SUCCESS: return kRegSuccess;
    case ERROR_FILE_NOT_FOUND: return kRegNotFound;
    case ERROR_ACCESS_DENIED: return kRegAccessDenied;
    case ERROR_MORE_DATA: return kRegMoreData;
    default: return kRegFailed;
    }
}

RegistryHandle Handle(HKEY key) { return static_cast<RegistryHandle>(key); }

}  // namespace

HKEY CWin32RegistryHive::Key(RegistryHandle handle) const {
    return handle ? static_cast<HKEY>(handle) : root_;
}

RegistryResult CWin32RegistryHive::OpenKey(RegistryHandle parent, const char* name,
                                           RegistryHandle* key) {
    HKEY opened = nullptr;
    const LONG status = RegOpenKeyExA(Key(parent), name, 0, KEY_READ, &opened);
    *key = status == ERROR_SUCCESS ? Handle(opened) : nullptr;
    return Result(status);
}

RegistryResult CWin32RegistryHive::CreateKey(RegistryHandle parent, const char* name,
                                             RegistryHandle* key) {
    // Reading and writing values is all the store does: asking for more
    // (KEY_ALL_ACCESS) would fail on keys whose owner kept the rest.
    HKEY opened = nullptr;
    DWORD disposition = 0;
    const LONG status = RegCreateKeyExA(Key(parent), name, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                        KEY_READ | KEY_WRITE, nullptr, &opened, &disposition);
    *key = status == ERROR_SUCCESS ? Handle(opened) : nullptr;
    return Result(status);
}

RegistryResult CWin32RegistryHive::CloseKey(RegistryHandle key) {
    if (!key) return kRegFailed;  // the root is the caller's
    return Result(RegCloseKey(static_cast<HKEY>(key)));
}

RegistryResult CWin32RegistryHive::QueryValue(RegistryHandle key, const char* name,
                                              RegistryValueType* type, void* data,
                                              uint32_t* size) {
    DWORD storedType = REG_NONE;
    DWORD storedSize = *size;
    const LONG status = RegQueryValueExA(Key(key), name, nullptr, &storedType,
                                         static_cast<BYTE*>(data), &storedSize);
    *type = static_cast<RegistryValueType>(storedType);
    *size = storedSize;
    return Result(status);
}

RegistryResult CWin32RegistryHive::SetValue(RegistryHandle key, const char* name,
                                            RegistryValueType type, const void* data,
                                            uint32_t size) {
    return Result(RegSetValueExA(Key(key), name, 0, type, static_cast<const BYTE*>(data), size));
}

}  // namespace hoshikura
