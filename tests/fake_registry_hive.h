// An in-memory hive that behaves like the registry's ANSI calls, for the
// registry store's unit tests and its fuzz target. Misuse by the caller (a
// key used or closed when it is not open) is recorded, not thrown, so each
// user checks it in its own way.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <string>
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
        FakeKey* base = Resolve(parent);
        if (!base) return hoshikura::kRegFailed;
        auto found = base->subkeys.find(name);
        if (found == base->subkeys.end()) return hoshikura::kRegNotFound;
        if (found->second->failOpen) return hoshikura::kRegFailed;
        *key = Issue(found->second.get(), false);
        return hoshikura::kRegSuccess;
    }

    RegistryResult CreateKey(RegistryHandle parent, const char* name, RegistryHandle* key) override {
        FakeKey* base = Resolve(parent);
        if (!base) return hoshikura::kRegFailed;
        auto found = base->subkeys.find(name);
        if (found == base->subkeys.end()) {
            if (base->readOnly) return hoshikura::kRegAccessDenied;
            found = base->subkeys.emplace(name, std::make_unique<FakeKey>()).first;
        }
        if (found->second->failOpen) return hoshikura::kRegFailed;
        if (found->second->readOnly) return hoshikura::kRegAccessDenied;
        *key = Issue(found->second.get(), true);
        return hoshikura::kRegSuccess;
    }

    RegistryResult CloseKey(RegistryHandle key) override {
        auto open = Find(key);
        if (open == handles_.end()) {
            misuses_.push_back("closing a key that is not open");
            return hoshikura::kRegFailed;
        }
        handles_.erase(open);
        return hoshikura::kRegSuccess;
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
        auto open = Find(key);
        if (open == handles_.end()) return hoshikura::kRegFailed;
        if (!(*open)->writable) return hoshikura::kRegAccessDenied;
        if ((*open)->key->failWrites) return hoshikura::kRegFailed;
        (*open)->key->values[name] = {type, std::string(static_cast<const char*>(data), size)};
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
    // The key at a path, or null; never creates.
    const FakeKey* Find(const std::vector<std::string>& path) const {
        const FakeKey* key = &root;
        for (const std::string& name : path) {
            auto found = key->subkeys.find(name);
            if (found == key->subkeys.end()) return nullptr;
            key = found->second.get();
        }
        return key;
    }

    int OpenHandles() const { return static_cast<int>(handles_.size()); }
    // What the caller did wrong, in order; empty for a well-behaved caller.
    const std::vector<std::string>& Misuses() const { return misuses_; }

    FakeKey root;

private:
    struct Handle {
        FakeKey* key;
        bool writable;
    };
    using Handles = std::vector<std::unique_ptr<Handle>>;

    RegistryHandle Issue(FakeKey* key, bool writable) {
        handles_.push_back(std::make_unique<Handle>(Handle{key, writable}));
        return handles_.back().get();
    }
    Handles::iterator Find(RegistryHandle key) {
        return std::find_if(handles_.begin(), handles_.end(),
                            [key](const std::unique_ptr<Handle>& h) { return h.get() == key; });
    }
    FakeKey* Resolve(RegistryHandle key) {
        if (!key) return &root;
        auto open = Find(key);
        if (open != handles_.end()) return (*open)->key;
        misuses_.push_back("using a key that is not open");
        return nullptr;
    }

    Handles handles_;
    std::vector<std::string> misuses_;
};

// Everything below a key, for comparing whole hives.
inline std::string Dump(const FakeKey& key, const std::string& indent = "") {
    std::string out;
    for (const auto& value : key.values)
        out += indent + value.first + "=" + std::to_string(value.second.type) + ":" + value.second.bytes + "\n";
    for (const auto& sub : key.subkeys) out += indent + "[" + sub.first + "]\n" + Dump(*sub.second, indent + " ");
    return out;
}
