// An in-memory hive that behaves like the registry's ANSI calls, for the
// registry store's unit tests and its fuzz target. Misuse by the caller (a
// key used or closed when it is not open) is counted, not thrown, so each
// user checks it in its own way.
#pragma once

#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "registry_hive.h"

struct FakeValue {
    hoshikura::RegistryValueType type;
    std::string bytes;
};

struct FakeKey {
    std::map<std::string, std::unique_ptr<FakeKey>> subkeys;
    std::map<std::string, FakeValue> values;
    bool readOnly = false;    // opening for writing is denied, as by an ACL
    bool failOpen = false;    // every open fails
    bool failWrites = false;  // every value write fails
};

class FakeHive : public hoshikura::CRegistryHive {
public:
    using RegistryHandle = hoshikura::RegistryHandle;
    using RegistryResult = hoshikura::RegistryResult;
    using RegistryValueType = hoshikura::RegistryValueType;

    RegistryResult OpenKey(RegistryHandle parent, const char* name, RegistryHandle* key) override {
        return Open(parent, name, key, false);
    }
    RegistryResult CreateKey(RegistryHandle parent, const char* name, RegistryHandle* key) override {
        return Open(parent, name, key, true);
    }

    RegistryResult CloseKey(RegistryHandle key) override {
        if (open_.erase(key)) return hoshikura::kRegSuccess;
        ++misuses;
        return hoshikura::kRegFailed;
    }

    RegistryResult QueryValue(RegistryHandle key, const char* name, RegistryValueType* type, void* data,
                              uint32_t* size) override {
        FakeKey* base = Resolve(key);
        if (!base) return hoshikura::kRegFailed;
        auto found = base->values.find(name);
        if (found == base->values.end()) return hoshikura::kRegNotFound;
        const std::string& bytes = found->second.bytes;
        const uint32_t capacity = *size;
        *type = found->second.type;
        *size = static_cast<uint32_t>(bytes.size());
        // What lies in the buffer after a short or failed read is undefined:
        // make it visible.
        std::memset(data, 0xCD, capacity);
        if (bytes.size() > capacity) return hoshikura::kRegMoreData;
        std::memcpy(data, bytes.data(), bytes.size());
        return hoshikura::kRegSuccess;
    }

    RegistryResult SetValue(RegistryHandle key, const char* name, RegistryValueType type, const void* data,
                            uint32_t size) override {
        auto open = open_.find(key);
        if (open == open_.end()) return hoshikura::kRegFailed;
        if (!open->second.second) return hoshikura::kRegAccessDenied;
        if (open->second.first->failWrites) return hoshikura::kRegFailed;
        open->second.first->values[name] = {type, std::string(static_cast<const char*>(data), size)};
        return hoshikura::kRegSuccess;
    }

    // The key at a path of components, created when missing.
    FakeKey& At(const std::vector<std::string>& path) {
        FakeKey* key = &root;
        for (const std::string& name : path) {
            std::unique_ptr<FakeKey>& sub = key->subkeys[name];
            if (!sub) sub = std::make_unique<FakeKey>();
            key = sub.get();
        }
        return *key;
    }

    int OpenHandles() const { return static_cast<int>(open_.size()); }

    FakeKey root;
    int misuses = 0;  // zero for a well-behaved caller

private:
    RegistryResult Open(RegistryHandle parent, const char* name, RegistryHandle* key, bool writable) {
        FakeKey* base = Resolve(parent);
        if (!base) return hoshikura::kRegFailed;
        auto found = base->subkeys.find(name);
        if (found == base->subkeys.end()) {
            if (!writable) return hoshikura::kRegNotFound;
            if (base->readOnly) return hoshikura::kRegAccessDenied;
            found = base->subkeys.emplace(name, std::make_unique<FakeKey>()).first;
        }
        if (found->second->failOpen) return hoshikura::kRegFailed;
        if (writable && found->second->readOnly) return hoshikura::kRegAccessDenied;
        // Handles are opaque: the count of keys opened so far.
        *key = reinterpret_cast<RegistryHandle>(static_cast<std::uintptr_t>(++issued_));
        open_[*key] = {found->second.get(), writable};
        return hoshikura::kRegSuccess;
    }
    FakeKey* Resolve(RegistryHandle key) {
        if (!key) return &root;
        auto open = open_.find(key);
        if (open != open_.end()) return open->second.first;
        ++misuses;
        return nullptr;
    }

    std::map<RegistryHandle, std::pair<FakeKey*, bool>> open_;  // each open key and whether it is writable
    std::uintptr_t issued_ = 0;
};

// Everything below a key, for comparing whole hives.
inline std::string Dump(const FakeKey& key, const std::string& indent = "") {
    std::string out;
    for (const auto& value : key.values)
        out += indent + value.first + "=" + std::to_string(value.second.type) + ":" + value.second.bytes + "\n";
    for (const auto& sub : key.subkeys) out += indent + "[" + sub.first + "]\n" + Dump(*sub.second, indent + " ");
    return out;
}
