// A minimal JSON writer over Shift-JIS text: escapes never touch the trail
// byte of a two-byte character (which may be 0x5C, the backslash).
#pragma once

#include <string>
#include <vector>

namespace hoshikura {

std::string JsonQuote(const std::string& sjis);
std::string JsonIntArray(const int* values, int count);
std::string JsonIntArray(const std::vector<int>& values);

// Builds one object, keys in insertion order.
class JsonObject {
public:
    JsonObject& Raw(const std::string& key, const std::string& json);
    JsonObject& Text(const std::string& key, const std::string& sjis);
    JsonObject& Int(const std::string& key, int value);
    std::string Str() const;

private:
    std::string body_;
};

}  // namespace hoshikura
