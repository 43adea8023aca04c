// The names typed after a command: split at every blank, counted, and the
// characters among them that the stroke table does not hold.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "cli_args.h"
#include "name_split.h"

namespace hoshikura {

// What a command wants: how many words, how many of them (from the first)
// are names, and what to type (CP932), told with every refusal of the words.
struct NameWordsRule {
    std::size_t wanted;
    std::size_t names;
    const char* hint;
};

// The positional words split at every half- or full-width blank, as the
// dialogs split a line, so "山田 太郎" and "山田　太郎" count as two words.
std::vector<std::string> NameWords(const std::vector<std::string>& words);

// Takes exactly rule.wanted name words into `out` and returns kExitDone.
// Nothing typed and too many words (the first extra one named) are usage
// errors; blanks only or too few words are refused. Each says the hint.
// A name typed in half-width letters or katakana only is refused: it has no
// strokes to judge.
int TakeNameWords(const CliArgs& args, const NameWordsRule& rule, std::vector<std::string>& out);

// "姓から数えて3語目の「様」からあとは使えません。": the first word beyond the
// `wanted` ones, counted from the surname (CP932).
std::string ExtraWordText(std::size_t wanted, const std::string& extra);

// True for a name word of half-width letters, digits, signs and katakana
// only, which has no strokes to judge; the refusal that says so and what to
// type instead.
bool HalfWidthName(const std::string& word);
std::string HalfWidthNameText(const std::string& word);

// Why a line was not split (the dialogs' message and what to type instead,
// or the hint), in CP932.
std::string SplitRefusal(SplitResult result, const char* hint);

// Splits `line` as the dialogs split a typed line (SplitFullName, the
// second word of any length with allowLongSecond). A refusal is told on
// stderr: the dialogs' message and what to type instead (the hint for a
// half-width word), or the hint.
bool SplitOrRefuse(const std::string& line, char* first, int firstCapacity, char* second, int secondCapacity,
                   bool allowLongSecond, const char* hint);

// Tells on stderr what to type when a reading holds anything but full-width
// hiragana or katakana, which no search finds.
void NoteReadingNotKana(const std::string& reading);

// The characters of the texts that the stroke table does not hold (every
// half-width one among them), each once, in the order they come.
std::vector<std::string> UnknownCharacters(const std::vector<std::string>& texts);

// Tells on stderr that those characters were judged as 0 strokes; nothing
// when there are none.
void NoteUnknownCharacters(const std::vector<std::string>& characters);

}  // namespace hoshikura
