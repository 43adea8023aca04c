// The keys and values of the current user's registry hive, as the registry
// store needs them. The Windows program binds ADVAPI32 (win32_registry_key.h);
// tests bind an in-memory hive. Value types and result codes carry the
// numbers Windows gives them.
#pragma once

#include <cstdint>

namespace hoshikura {

enum RegistryValueType : uint32_t {
    kRegNone = 0,
    kRegSz = 1,
    kRegExpandSz = 2,
    kRegBinary = 3,
    kRegDword = 4,  // little-endian
    kRegDwordBigEndian = 5,
    kRegMultiSz = 7,
    kRegQword = 11,
};

enum RegistryResult : int32_t {
    kRegSuccess = 0,
    kRegNotFound = 2,       // no such key or value
    kRegAccessDenied = 5,
    kRegMoreData = 234,     // the value is larger than the buffer
    kRegFailed = -1,        // any other failure
};

// An open key; null names the root of the hive.
using RegistryHandle = void*;

class CRegistryHive {
public:
    virtual ~CRegistryHive() = default;

    // Opens an existing subkey `name` (one path component) of `parent` for
    // reading.
    virtual RegistryResult OpenKey(RegistryHandle parent, const char* name,
                                   RegistryHandle* key) = 0;
    // Opens subkey `name` of `parent` for reading and writing, creating it
    // (non-volatile) when it is missing.
    virtual RegistryResult CreateKey(RegistryHandle parent, const char* name,
                                     RegistryHandle* key) = 0;
    virtual RegistryResult CloseKey(RegistryHandle key) = 0;

    // Reads value `name` of `key` into data. *size is the buffer's capacity
    // on entry and the value's stored size on return; when that is larger
    // than the capacity the result is kRegMoreData and the buffer's contents
    // are undefined. Strings come as stored: with or without a NUL.
    virtual RegistryResult QueryValue(RegistryHandle key, const char* name,
                                      RegistryValueType* type, void* data, uint32_t* size) = 0;
    virtual RegistryResult SetValue(RegistryHandle key, const char* name, RegistryValueType type,
                                    const void* data, uint32_t size) = 0;
};

}  // namespace hoshikura
