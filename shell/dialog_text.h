// What the input dialogs make of the typed text: how a field's text is read
// within its limit, and the words each search dialog hands to dispatch.
#pragma once

#include <cstddef>
#include <string>

namespace hoshikura {

// Bytes taken from an edit field, terminator excluded.
constexpr int kFieldReadLimit = 511;
constexpr int kGivenNameReadLimit = 255;

// Buffer for reading a field that holds at most kFieldReadLimit characters:
// two bytes each and the NUL, so the control never has to cut the text.
constexpr int kFieldBufferSize = 2 * kFieldReadLimit + 1;

// Placeholder words that make one typed word split as a name: a given name
// appended after a lone surname, a surname put in front of a lone given name.
constexpr char kPlaceholderGivenName[] = " 良名";
constexpr char kPlaceholderSurname[] = "良名 ";
constexpr int kPlaceholderBytes = static_cast<int>(sizeof kPlaceholderGivenName) - 1;
static_assert(sizeof kPlaceholderGivenName == sizeof kPlaceholderSurname,
              "both placeholders take the same room");

// Longest text a dialog splits: what it read, a placeholder and the NUL.
// Each word of it gets a buffer of this size, so no word can overrun.
constexpr int kDialogTextSize = kFieldReadLimit + kPlaceholderBytes + 1;

// Makes text read from a field into text[0..capacity) safe: terminated
// inside the buffer whatever the control wrote, and cut to at most `limit`
// bytes on a character boundary. Returns the resulting length.
std::size_t SealFieldText(char* text, std::size_t capacity, std::size_t limit);

// Removes every control character (bytes below 0x20 and 0x7F, never the
// trail byte of a two-byte character; a lead byte before one goes with it)
// from the terminated text in place: a name never holds one, whether typed,
// pasted, given on a command line or read back from the stored lists.
// Returns the resulting length. The first `length` bytes of a text that
// may hold NULs (a line read from a file) go the same way; so does a string.
std::size_t RemoveControlCharacters(char* text);
std::size_t RemoveControlCharacters(char* text, std::size_t length);
void RemoveControlCharacters(std::string& text);

// What the user is told of a character CP932 cannot hold (code point
// `code`), typed, pasted or given on a command line: the text before the
// character and the text after it, which says that it cannot be used and
// what to type instead. The character itself is put between them where it
// can be shown (it has no CP932 form).
struct UnusableCharacterText {
    std::string before;
    std::string after;
};
UnusableCharacterText UnusableCharacterMessage(unsigned long code);

// The searches a dialog can ask for.
enum class SearchKind {
    kStrokePatterns,  // good or bad given-name stroke patterns for a surname
    kReading,         // sample given names with a reading
    kKanji,           // sample given names holding one kanji
    kSurnames,        // good or bad sample surnames for a given name
    kCompose,         // spellings composed for a reading
};

// One search as a dialog hands it to dispatch.
struct SearchRequest {
    SearchKind kind = SearchKind::kReading;
    char surname[kDialogTextSize] = {};  // empty for kSurnames
    char query[kDialogTextSize] = {};    // reading, kanji or given name; empty for kStrokePatterns
    bool wantGood = true;                // kStrokePatterns and kSurnames
};

// Each builder reads `typed` up to its dialog's limit and returns false when
// the dialog must stay open; a refused split has been told through
// ShowMessage.

// Surname dialog: a lone surname is enough; a typed given name is dropped.
bool StrokePatternRequest(const char* typed, bool wantGood, SearchRequest& request);
// Reading and compose dialogs (kind kReading or kCompose): the surname and
// the reading, which may be long.
bool ReadingRequest(const char* typed, SearchKind kind, SearchRequest& request);
// Kanji dialog: the surname and a second word of exactly two bytes, the one
// character; a longer second word is refused without a message.
bool KanjiRequest(const char* typed, SearchRequest& request);
// Given-name dialog: the first typed word as the given name; at most 255
// typed bytes are read.
bool SurnameRequest(const char* typed, bool wantGood, SearchRequest& request);

// Splits a full name as the engine does, once its control characters are
// removed, and tells a refusal through ShowMessage; true when split.
bool SplitFullNameOrTell(const char* text, char* surnameOut, int surnameCapacity, char* givenOut,
                         int givenCapacity, bool allowLongGiven);

}  // namespace hoshikura
