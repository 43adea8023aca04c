#include "cli_args.h"

#include <cerrno>
#include <cstdlib>

#include "dialog_text.h"
#include "sex_filter.h"
#include "terminal_text.h"

namespace hoshikura {

std::string ArgumentOrdinal(int argument) {
    return "コマンド名から数えて" + std::to_string(argument) + "語目";
}

const std::string* CliArgs::Value(const std::string& name) const {
    for (const auto& entry : values)
        if (entry.first == name) return &entry.second;
    return nullptr;
}

namespace {

std::string UnknownOptionText(const std::string& word) {
    return "「" + word + "」というオプションはありません。使えるオプションは下の使い方のとおりです。";
}

}  // namespace

ArgsOutcome ParseCliArgs(int argc, char** argv, int first, const std::set<std::string>& known,
                         const std::set<std::string>& withValue, CliArgs& out, std::string& error) {
    for (int i = first; i < argc; ++i) {
        // Every word as the program's text first, so that a message naming
        // it ("-太郎") reads as typed.
        std::string word;
        if (!ArgumentToInternal(argv, i, word, error)) return ArgsOutcome::kUnreadable;
        // "-t": an option mistyped, not a name (a negative number is left to
        // the command that reads numbers).
        const bool shortOption = word.size() > 1 && word[0] == '-' && (word[1] < '0' || word[1] > '9');
        if (shortOption && word[1] != '-') {
            error = UnknownOptionText(word);
            return ArgsOutcome::kUsageError;
        }
        if (word.size() >= 2 && word.compare(0, 2, "--") == 0) {
            if (known.count(word)) {
                out.flags.insert(word);
            } else if (withValue.count(word)) {
                if (i + 1 >= argc) {
                    error = word + " のあとに値を続けて入力してください（下の使い方を見てください）。";
                    return ArgsOutcome::kUsageError;
                }
                std::string value;
                if (!ArgumentToInternal(argv, ++i, value, error)) return ArgsOutcome::kUnreadable;
                out.values.emplace_back(word, value);
            } else {
                error = UnknownOptionText(word);
                return ArgsOutcome::kUsageError;
            }
            continue;
        }
        // No name holds a line break, tab or other control character: they
        // go as they do from a pasted line in the dialogs.
        RemoveControlCharacters(word);
        out.words.push_back(word);
    }
    return ArgsOutcome::kParsed;
}

bool ParseInt(const std::string& typed, int& value) {
    // Full-width digits (CP932 0x824F..0x8258) read as the half-width ones.
    std::string text;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const bool wide = static_cast<unsigned char>(typed[i]) == 0x82 && i + 1 < typed.size() &&
                          static_cast<unsigned char>(typed[i + 1]) >= 0x4F &&
                          static_cast<unsigned char>(typed[i + 1]) <= 0x58;
        text += wide ? static_cast<char>('0' + static_cast<unsigned char>(typed[++i]) - 0x4F) : typed[i];
    }
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
