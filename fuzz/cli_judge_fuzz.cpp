// hoshikura-cli judge run in-process on any words, as a terminal hands them
// over: the command that prints what the user typed back, as text or JSON.
// Input: the words, each up to a NUL. What the tool prints is captured and
// checked against its exit code. (The search commands take milliseconds a
// run over the whole data; their words are fuzzed by cli_args.)
#include <sanitizer/common_interface_defs.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "commands.h"
#include "fuzz_support.h"
#include "recording_sink.h"

using namespace hoshikura;

namespace {

constexpr int kMaxWords = 8;

// Points stdout or stderr at a file in memory until Take() gives back what
// was written and puts the stream back.
class Capture {
public:
    Capture(FILE* stream, int fd) : stream_(stream), fd_(fd) {
        std::fflush(stream_);
        saved_ = dup(fd_);
        file_ = memfd_create("captured", MFD_CLOEXEC);
        FUZZ_CHECK(saved_ >= 0 && file_ >= 0);
        dup2(file_, fd_);
    }
    ~Capture() { Take(); }
    int Saved() const { return saved_; }

    std::string Take() {
        if (file_ < 0) return text_;
        std::fflush(stream_);
        dup2(saved_, fd_);
        close(saved_);
        char buffer[4096];
        lseek(file_, 0, SEEK_SET);
        for (ssize_t n; (n = read(file_, buffer, sizeof buffer)) > 0;) text_.append(buffer, static_cast<std::size_t>(n));
        close(file_);
        file_ = -1;
        return text_;
    }

private:
    FILE* stream_;
    int fd_;
    int saved_ = -1;
    int file_ = -1;
    std::string text_;
};

bool ValidUtf8(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        if (extra < 0 || (extra == 1 && c < 0xC2) || i + extra >= text.size()) return false;
        for (int k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(text[i + k]) >> 6) != 2) return false;
        i += 1 + extra;
    }
    return true;
}

// A strict reader of one JSON value, enough for what the tool prints.
class JsonReader {
public:
    explicit JsonReader(const std::string& text) : s_(text) {}
    bool Document() { return Value() && at_ == s_.size(); }

private:
    bool Value() {
        if (at_ >= s_.size() || ++depth_ > 32) return false;
        const char c = s_[at_];
        bool ok = c == '{' ? Object() : c == '[' ? Array() : c == '"' ? String() : c == 'n' ? Null() : Number();
        --depth_;
        return ok;
    }
    bool Object() {
        ++at_;
        if (Take('}')) return true;
        do {
            if (!String() || !Take(':') || !Value()) return false;
        } while (Take(','));
        return Take('}');
    }
    bool Array() {
        ++at_;
        if (Take(']')) return true;
        do {
            if (!Value()) return false;
        } while (Take(','));
        return Take(']');
    }
    bool String() {
        if (!Take('"')) return false;
        while (at_ < s_.size()) {
            const unsigned char c = static_cast<unsigned char>(s_[at_++]);
            if (c == '"') return true;
            if (c < 0x20) return false;
            if (c != '\\') continue;
            if (at_ >= s_.size()) return false;
            const char e = s_[at_++];
            if (e == 'u') {
                for (int k = 0; k < 4; ++k)
                    if (at_ >= s_.size() || !std::isxdigit(static_cast<unsigned char>(s_[at_++]))) return false;
            } else if (std::string("\"\\/bfnrt").find(e) == std::string::npos) {
                return false;
            }
        }
        return false;
    }
    // A grid without a luck class or a text is null.
    bool Null() {
        if (s_.compare(at_, 4, "null") != 0) return false;
        at_ += 4;
        return true;
    }
    bool Number() {
        Take('-');
        const std::size_t digits = at_;
        while (at_ < s_.size() && s_[at_] >= '0' && s_[at_] <= '9') ++at_;
        return at_ > digits && (s_[digits] != '0' || at_ == digits + 1);
    }
    bool Take(char c) {
        if (at_ < s_.size() && s_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }

    const std::string& s_;
    std::size_t at_ = 0;
    int depth_ = 0;
};

struct Run {
    int exitCode;
    std::string out;
    std::string err;
    std::vector<std::string> messages;
};

Run RunTool(std::vector<std::string> words) {
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(&word[0]);
    argv.push_back(nullptr);
    RecordingSink sink;
    Capture out(stdout, STDOUT_FILENO);
    Capture err(stderr, STDERR_FILENO);
    // A sanitizer report must still reach the terminal.
    __sanitizer_set_report_fd(reinterpret_cast<void*>(static_cast<intptr_t>(err.Saved())));
    const int exitCode = RunCommand(static_cast<int>(words.size()), argv.data());
    std::string printed = out.Take();
    std::string complained = err.Take();
    __sanitizer_set_report_fd(reinterpret_cast<void*>(static_cast<intptr_t>(STDERR_FILENO)));
    return {exitCode, printed, complained, sink.shown};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzBytes input(data, size);
    std::vector<std::string> words = {"hoshikura-cli", "judge"};
    while (!input.Empty() && words.size() < kMaxWords) words.push_back(input.Text());
    bool json = false;
    for (std::size_t i = 2; i < words.size(); ++i) json = json || words[i] == "--json";

    const Run run = RunTool(words);
    FUZZ_CHECK(ValidUtf8(run.out) && ValidUtf8(run.err));
    switch (run.exitCode) {
        case kExitDone:
            // Only characters without a stroke count are named on stderr, on
            // one line, and --json lists them too.
            FUZZ_CHECK(run.messages.empty());
            FUZZ_CHECK(run.err.empty() || run.err.find('\n') == run.err.size() - 1);
            FUZZ_CHECK(!run.out.empty() && run.out.back() == '\n');
            if (json) {
                FUZZ_CHECK(JsonReader(run.out.substr(0, run.out.size() - 1)).Document());
                FUZZ_CHECK(run.err.empty() == (run.out.find("\"unknownCharacters\":[]") != std::string::npos));
            }
            break;
        case kExitRefused:
            // Refused names: nothing printed, and one message that says why,
            // the engine's or the tool's.
            FUZZ_CHECK(run.out.empty());
            FUZZ_CHECK(run.messages.size() + (run.err.empty() ? 0 : 1) == 1);
            break;
        case kExitUsage:
            FUZZ_CHECK(run.out.empty() && run.messages.empty());
            FUZZ_CHECK(run.err.compare(0, 15, "hoshikura-cli: ") == 0);
            FUZZ_CHECK(run.err.find("\n  hoshikura-cli judge [--json]") != std::string::npos);
            break;
        default:
            FUZZ_CHECK(!"an exit code the tool does not use");
    }
    return 0;
}
