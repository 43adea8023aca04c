#include "cli_args.h"

#include <cerrno>
#include <cstdlib>

#include "dialog_text.h"
#include "sex_filter.h"
#include "terminal_text.h"

namespace hoshikura {

const std::string* CliArgs::Value(const std::string& name) const {
    for (const auto& entry : values)
        if (entry.first == name) return &entry.second;
    return nullptr;
}

ArgsOutcome ParseCliArgs(int argc, char** argv, int first, const std::set<std::string>& known,
                         const std::set<std::string>& withValue, CliArgs& out, std::string& error) {
    for (int i = first; i < argc; ++i) {
        std::string word = argv[i];
        if (word.size() > 2 && word.compare(0, 2, "--") == 0) {
            if (known.count(word)) {
                out.flags.insert(word);
            } else if (withValue.count(word)) {
                if (i + 1 >= argc) {
                    error = word + " needs a value";
                    return ArgsOutcome::kUsageError;
                }
                out.values.emplace_back(word, argv[++i]);
            } else {
                error = "unknown option " + word;
                return ArgsOutcome::kUsageError;
            }
            continue;
        }
        std::string internal;
        if (!ArgumentToInternal(argv, i, internal, error)) return ArgsOutcome::kUnreadable;
        // No name holds a line break, tab or other control character: they
        // go as they do from a pasted line in the dialogs.
        internal.resize(RemoveControlCharacters(&internal[0]));
        out.words.push_back(internal);
    }
    return ArgsOutcome::kParsed;
}

bool ParseInt(const std::string& text, int& value) {
    if (text.empty()) return false;
    errno = 0;
    char* end = nullptr;
    long parsed = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || parsed < -2147483647L || parsed > 2147483647L) return false;
    value = static_cast<int>(parsed);
    return true;
}

bool SexOption(const CliArgs& args, int32_t& choice) {
    choice = kBothSexes;
    const std::string* value = args.Value("--sex");
    if (!value) return true;
    if (*value == "boy") choice = kBoysOnly;
    else if (*value == "girl") choice = kGirlsOnly;
    return choice != kBothSexes;
}

}  // namespace hoshikura
