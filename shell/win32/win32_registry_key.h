// The registry hive bound to ADVAPI32: keys under HKEY_CURRENT_USER, or
// under another open key given by the caller (tests use a scratch key).
#pragma once

#include <windows.h>

#include "registry_hive.h"

namespace hoshikura {

class CWin32RegistryHive final : public CRegistryHive {
public:
    // root stays the caller's: it is never closed here.
    explicit CWin32RegistryHive(HKEY root = HKEY_CURRENT_USER) : root_(root) {}

    RegistryResult OpenKey(RegistryHandle parent, const char* name, RegistryHandle* key) override;
    RegistryResult CreateKey(RegistryHandle parent, const char* name, RegistryHandle* key) override;
    RegistryResult CloseKey(RegistryHandle key) override;
    RegistryResult QueryValue(RegistryHandle key, const char* name, RegistryValueType* type,
                              void* data, uint32_t* size) override;
    RegistryResult SetValue(RegistryHandle key, const char* name, RegistryValueType type,
                            const void* data, uint32_t size) override;

private:
    HKEY Key(RegistryHandle handle) const;

    HKEY root_;
};

}  // namespace hoshikura
