// The command-line words: options and positional words, numbers, and the
// conversion of terminal text, which refuses what is no UTF-8 or has no
// CP932 form. Input: where parsing starts, which options
// are flags and which take a value (a bit mask each), then the words, each
// up to a NUL.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "cli_args.h"
#include "dialog_text.h"
#include "fuzz_support.h"
#include "terminal_text.h"

using namespace hoshikura;

namespace {

const char* const kOptions[] = {"--json", "--texts", "--worst", "--key", "--surnames", "--limit", "--x", "--"};
constexpr int kOptionCount = sizeof kOptions / sizeof kOptions[0];
constexpr int kMaxWords = 12;

std::set<std::string> OptionSet(uint8_t mask) {
    std::set<std::string> options;
    for (int i = 0; i < kOptionCount; ++i)
        if (mask >> i & 1) options.insert(kOptions[i]);
    return options;
}

// "--" alone is an option too: the tool names it rather than taking it for a name.
bool LooksLikeOption(const std::string& word) { return word.size() >= 2 && word.compare(0, 2, "--") == 0; }

// What parsing must give: each word taken once, in order, as a flag, an
// option with the word after it, or a positional word in CP932; it stops at
// the first unknown option or positional word it cannot convert.
struct Expected {
    ArgsOutcome outcome = ArgsOutcome::kParsed;
    std::string offending;
    CliArgs args;
};

const std::string kControls(
    "\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0a\x0b\x0c\x0d\x0e\x0f\x10\x11\x12\x13\x14\x15\x16\x17\x18\x19\x1a\x1b\x1c\x1d"
    "\x1e\x1f\x7f");

bool Convert(const std::vector<std::string>& words, std::size_t i, std::string& internal, std::string& problem) {
    std::vector<char*> argv;
    for (const std::string& word : words) argv.push_back(const_cast<char*>(word.c_str()));
    return ArgumentToInternal(argv.data(), static_cast<int>(i), internal, problem);
}

Expected Expect(const std::vector<std::string>& words, std::size_t first, const std::set<std::string>& known,
                const std::set<std::string>& withValue) {
    Expected e;
    for (std::size_t i = first; i < words.size(); ++i) {
        const std::string& word = words[i];
        std::string internal, problem;
        if (!LooksLikeOption(word)) {
            if (!Convert(words, i, internal, problem)) {
                e.outcome = ArgsOutcome::kUnreadable;
                break;
            }
            // Control characters go by the rule names follow everywhere.
            RemoveControlCharacters(internal);
            FUZZ_CHECK(internal.find_first_of(kControls) == std::string::npos);
            e.args.words.push_back(internal);
        } else if (known.count(word)) {
            e.args.flags.insert(word);
        } else if (withValue.count(word) && i + 1 < words.size()) {
            e.args.values.emplace_back(word, words[++i]);
        } else {
            e.outcome = ArgsOutcome::kUsageError;
            e.offending = word;
            break;
        }
    }
    return e;
}

void CheckParse(const std::vector<std::string>& words, std::size_t first, uint8_t knownMask, uint8_t valueMask) {
    const std::set<std::string> known = OptionSet(knownMask);
    const std::set<std::string> withValue = OptionSet(valueMask);
    std::vector<char*> argv;
    for (const std::string& word : words) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);

    CliArgs args;
    std::string error;
    const ArgsOutcome outcome = ParseCliArgs(static_cast<int>(words.size()), argv.data(), static_cast<int>(first),
                                             known, withValue, args, error);
    const Expected expected = Expect(words, first, known, withValue);
    FUZZ_CHECK(outcome == expected.outcome);
    if (outcome == ArgsOutcome::kUnreadable) FUZZ_CHECK(!error.empty());
    if (outcome == ArgsOutcome::kUsageError) {
        // The message names the word that stopped it.
        FUZZ_CHECK(error.find(expected.offending) != std::string::npos);
    }
    if (outcome != ArgsOutcome::kParsed) return;
    FUZZ_CHECK(args.words == expected.args.words);
    FUZZ_CHECK(args.flags == expected.args.flags);
    FUZZ_CHECK(args.values == expected.args.values);
    for (const char* option : kOptions) {
        const std::string* value = args.Value(option);
        std::size_t at = 0;
        while (at < args.values.size() && args.values[at].first != option) ++at;
        // The first value given counts.
        FUZZ_CHECK(at == args.values.size() ? value == nullptr : value == &args.values[at].second);
    }
}

// A whole decimal number as strtol reads one: blanks, a sign, digits.
void CheckNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    const std::size_t digitsAt = i;
    long long magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        if (magnitude <= 2147483647LL) magnitude = magnitude * 10 + (text[i] - '0');
    const bool number = i > digitsAt && i == text.size() && magnitude <= 2147483647LL;

    int value = 12345;
    const bool parsed = ParseInt(text, value);
    FUZZ_CHECK(parsed == number);
    if (parsed) FUZZ_CHECK(value == (negative ? -magnitude : magnitude));
}

// Refused words say why; converted ones came from UTF-8, take at most as
// many bytes, and convert back to a word that gives the same CP932 again.
// ASCII stays as it is.
void CheckConversion(const std::vector<std::string>& words, std::size_t i) {
    const std::string& word = words[i];
    std::string internal, problem;
    const bool converted = Convert(words, i, internal, problem);
    bool ascii = true;
    for (unsigned char c : word) ascii = ascii && c < 0x80;
    if (ascii) FUZZ_CHECK(converted && internal == word);
    if (!converted) {
        FUZZ_CHECK(!problem.empty());
        return;
    }
    FUZZ_CHECK(internal.size() <= word.size());
    std::string again;
    FUZZ_CHECK(Convert({ToExternal(internal)}, 0, again, problem) && again == internal);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzBytes input(data, size);
    const uint8_t firstByte = input.Byte();
    const uint8_t knownMask = input.Byte();
    const uint8_t valueMask = input.Byte();
    std::vector<std::string> words;
    while (!input.Empty() && words.size() < kMaxWords) words.push_back(input.Text());
    const std::size_t first = firstByte % (words.size() + 1);

    CheckParse(words, first, knownMask, valueMask);
    for (std::size_t i = 0; i < words.size(); ++i) {
        CheckNumber(words[i]);
        CheckConversion(words, i);
    }
    return 0;
}
