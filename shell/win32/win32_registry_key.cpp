#include "win32_registry_key.h"

#include <cstring>
#include <string>
#include <vector>

#include "wide_text.h"

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

bool IsText(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ; }

// A value as the store reads it: text (UTF-16 in the registry, whichever
// version wrote it on whichever system) as CP932 with its NULs, anything
// else as stored. Text CP932 cannot hold, which the program never writes,
// is there but of no type the store takes.
void StoreBytes(DWORD& type, const std::vector<BYTE>& stored, std::string& bytes) {
    if (!IsText(type)) {
        bytes.assign(stored.begin(), stored.end());
        return;
    }
    std::wstring wide(stored.size() / sizeof(wchar_t), L'\0');
    if (!wide.empty()) std::memcpy(&wide[0], stored.data(), wide.size() * sizeof(wchar_t));
    if (ToCp932(wide, bytes)) return;
    type = REG_NONE;
    bytes.clear();
}

// The value's type and bytes as the registry holds them.
LONG ReadStored(HKEY key, const std::wstring& name, DWORD& type, std::vector<BYTE>& stored) {
    DWORD size = 0;
    LONG status = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size);
    if (status != ERROR_SUCCESS) return status;
    stored.assign(size, 0);
    status = RegQueryValueExW(key, name.c_str(), nullptr, &type, stored.data(), &size);
    stored.resize(status == ERROR_SUCCESS ? size : 0);
    return status;
}

}  // namespace

HKEY CWin32RegistryHive::Key(RegistryHandle handle) const {
    return handle ? static_cast<HKEY>(handle) : root_;
}

RegistryResult CWin32RegistryHive::OpenKey(RegistryHandle parent, const char* name,
                                           RegistryHandle* key) {
    HKEY opened = nullptr;
    const LONG status = RegOpenKeyExW(Key(parent), Wide(name).c_str(), 0, KEY_READ, &opened);
    *key = status == ERROR_SUCCESS ? Handle(opened) : nullptr;
    return Result(status);
}

RegistryResult CWin32RegistryHive::CreateKey(RegistryHandle parent, const char* name,
                                             RegistryHandle* key) {
    // Reading and writing values is all the store does: asking for more
    // (KEY_ALL_ACCESS) would fail on keys whose owner kept the rest.
    HKEY opened = nullptr;
    DWORD disposition = 0;
    const LONG status = RegCreateKeyExW(Key(parent), Wide(name).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
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
    std::vector<BYTE> stored;
    const LONG status = ReadStored(Key(key), Wide(name), storedType, stored);
    std::string bytes;
    if (status == ERROR_SUCCESS) StoreBytes(storedType, stored, bytes);
    *type = static_cast<RegistryValueType>(storedType);
    if (status != ERROR_SUCCESS) return Result(status);
    const uint32_t capacity = *size;
    *size = static_cast<uint32_t>(bytes.size());
    if (bytes.size() > capacity) return kRegMoreData;
    if (!bytes.empty()) std::memcpy(data, bytes.data(), bytes.size());
    return kRegSuccess;
}

RegistryResult CWin32RegistryHive::SetValue(RegistryHandle key, const char* name,
                                            RegistryValueType type, const void* data,
                                            uint32_t size) {
    const std::wstring wideName = Wide(name);
    if (!IsText(type))
        return Result(RegSetValueExW(Key(key), wideName.c_str(), 0, type, static_cast<const BYTE*>(data), size));
    // Text goes in as UTF-16, its NULs included, as the system stores it.
    const std::wstring text = Wide(static_cast<const char*>(data), size);
    return Result(RegSetValueExW(Key(key), wideName.c_str(), 0, type, reinterpret_cast<const BYTE*>(text.data()),
                                 static_cast<DWORD>(text.size() * sizeof(wchar_t))));
}

}  // namespace hoshikura
