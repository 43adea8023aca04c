#include "json_writer.h"

#include <cstdio>

#include "sjis_text.h"

namespace hoshikura {

std::string JsonQuote(const std::string& sjis) {
    std::string out = "\"";
    for (size_t i = 0; i < sjis.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(sjis[i]);
        if (IsLeadByte(c) && i + 1 < sjis.size()) {
            out += sjis.substr(i, 2);
            ++i;
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string JsonIntArray(const int* values, int count) {
    std::string out = "[";
    for (int i = 0; i < count; ++i) {
        if (i) out += ',';
        out += std::to_string(values[i]);
    }
    return out + "]";
}

std::string JsonIntArray(const std::vector<int>& values) {
    return JsonIntArray(values.data(), static_cast<int>(values.size()));
}

JsonObject& JsonObject::Raw(const std::string& key, const std::string& json) {
    if (!body_.empty()) body_ += ',';
    body_ += JsonQuote(key) + ':' + json;
    return *this;
}

JsonObject& JsonObject::Text(const std::string& key, const std::string& sjis) {
    return Raw(key, JsonQuote(sjis));
}

JsonObject& JsonObject::Int(const std::string& key, int value) {
    return Raw(key, std::to_string(value));
}

std::string JsonObject::Str() const { return "{" + body_ + "}"; }

}  // namespace hoshikura
