// The names typed after a command: split at every blank, counted, and the
// characters among them that the stroke table does not hold.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "cli_args.h"

namespace hoshikura {

// What a command wants: how many name words, the hint printed when fewer
// are typed (CP932) and the usage error when more are.
struct NameWordsRule {
    std::size_t wanted;
    const char* hint;
    const char* tooMany;
};

// The positional words split at every half- or full-width blank, as the
// dialogs split a line, so "山田 太郎" and "山田　太郎" count as two words.
std::vector<std::string> NameWords(const std::vector<std::string>& words);

// Takes exactly rule.wanted name words into `out` and returns kExitDone.
// Nothing typed and too many words are usage errors; blanks only or too few
// words are refused with the hint.
int TakeNameWords(const CliArgs& args, const NameWordsRule& rule, std::vector<std::string>& out);

// The characters of the texts that the stroke table does not hold (every
// half-width one among them), each once, in the order they come.
std::vector<std::string> UnknownCharacters(const std::vector<std::string>& texts);

// Tells on stderr that those characters were judged as 0 strokes; nothing
// when there are none.
void NoteUnknownCharacters(const std::vector<std::string>& characters);

}  // namespace hoshikura
