// What the input dialogs make of the typed text: how a field's text is read
// within its limit, and the words each search dialog hands to dispatch.
#pragma once

#include <cstddef>

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

// Texts that tell a search whether to rank good or bad results.
constexpr char kGoodFlag[] = "GOOD";
constexpr char kBadFlag[] = "BAD";

// Makes text read from a field into text[0..capacity) safe: terminated
// inside the buffer whatever the control wrote, and cut to at most `limit`
// bytes on a character boundary. Returns the resulting length.
std::size_t SealFieldText(char* text, std::size_t capacity, std::size_t limit);

// The two texts a search dialog passes to dispatch.
struct SearchWords {
    char first[kDialogTextSize];
    char second[kDialogTextSize];
};

// Each builder reads `typed` up to its dialog's limit and returns false when
// the dialog must stay open (the splitter has shown any message).

// Surname dialog: the surname and "GOOD" or "BAD". A lone surname is
// completed by the placeholder given name; a typed given name is dropped.
bool SurnameSearchWords(const char* typed, bool wantGood, SearchWords& words);
// Reading dialog: the surname and the reading, which may be long.
bool ReadingSearchWords(const char* typed, SearchWords& words);
// Kanji dialog: the surname and a second word of exactly two bytes, the one
// character; a longer second word is refused without a message.
bool KanjiSearchWords(const char* typed, SearchWords& words);
// Given-name dialog: "GOOD" or "BAD" and the first typed word as the given
// name, behind the placeholder surname; at most 255 typed bytes are read.
bool GivenNameSearchWords(const char* typed, bool wantGood, SearchWords& words);

}  // namespace hoshikura
