// Command-line words of one subcommand: options ("--name" or "--name value")
// and positional words, converted to Shift-JIS.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace hoshikura {

struct CliArgs {
    std::vector<std::string> words;          // positional, CP932
    std::set<std::string> flags;             // "--json" etc. without value
    std::vector<std::pair<std::string, std::string>> values;

    bool Has(const std::string& flag) const { return flags.count(flag) != 0; }
    // Value of an option, or null when absent.
    const std::string* Value(const std::string& name) const;
};

enum class ArgsOutcome { kParsed, kUsageError, kUnreadable };

// Parses argv[first..argc). An option not in `known` or `withValue`, or one
// without its value, is a usage error; a positional word that is no valid
// text or holds a character CP932 lacks is unreadable (option values are
// converted to CP932 too); a positional word's control characters are
// removed. A word "-x" is an unknown option. `error` says why: in CP932 for
// a usage error, in the terminal's encoding for an unreadable word.
ArgsOutcome ParseCliArgs(int argc, char** argv, int first, const std::set<std::string>& known,
                         const std::set<std::string>& withValue, CliArgs& out, std::string& error);

// "コマンド名から数えて2語目": how a message names argv[argument] (CP932).
std::string ArgumentOrdinal(int argument);

// Parses a whole decimal number, typed in half- or full-width digits
// (CP932); false for anything else.
bool ParseInt(const std::string& typed, int& value);

// --sex boy|girl as the names a search lists (sex_filter.h); both when the
// option is absent, false for any other value.
bool SexOption(const CliArgs& args, int32_t& choice);

}  // namespace hoshikura
