#include "name_words.h"

#include <algorithm>

#include "commands.h"
#include "sjis_text.h"
#include "stroke_table.h"

namespace hoshikura {

namespace {

// Length of the blank at text[i]: half-width 1, full-width 2, else 0.
std::size_t BlankAt(const std::string& text, std::size_t i) {
    if (text[i] == ' ') return 1;
    const bool fullWidth = i + 1 < text.size() && static_cast<unsigned char>(text[i]) == 0x81 &&
                           static_cast<unsigned char>(text[i + 1]) == 0x40;
    return fullWidth ? 2 : 0;
}

void SplitAtBlanks(const std::string& text, std::vector<std::string>& out) {
    std::string word;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t blank = BlankAt(text, i);
        if (blank == 0) {
            word += text[i++];
            continue;
        }
        if (!word.empty()) out.push_back(word);
        word.clear();
        i += blank;
    }
    if (!word.empty()) out.push_back(word);
}

}  // namespace

std::vector<std::string> NameWords(const std::vector<std::string>& words) {
    std::vector<std::string> out;
    for (const std::string& word : words) SplitAtBlanks(word, out);
    return out;
}

int TakeNameWords(const CliArgs& args, const NameWordsRule& rule, std::vector<std::string>& out) {
    if (args.words.empty()) return UsageError(rule.tooMany);
    out = NameWords(args.words);
    if (out.size() > rule.wanted) return UsageError(rule.tooMany);
    if (out.size() < rule.wanted) return Refuse(rule.hint);
    return kExitDone;
}

std::vector<std::string> UnknownCharacters(const std::vector<std::string>& texts) {
    std::vector<std::string> unknown;
    const CStrokeTable& table = TheStrokeTable();
    for (const std::string& text : texts)
        for (std::size_t i = 0; i < text.size();) {
            const std::size_t length = IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
            const std::string character = text.substr(i, length);
            // The table holds two-byte characters only.
            const bool counted = length == 2 && table.StrokeCount(character.c_str()) != 0;
            if (!counted && std::find(unknown.begin(), unknown.end(), character) == unknown.end())
                unknown.push_back(character);
            i += length;
        }
    return unknown;
}

void NoteUnknownCharacters(const std::vector<std::string>& characters) {
    if (characters.empty()) return;
    std::string named;
    for (const std::string& character : characters) named += "「" + character + "」";
    WriteErr(named + "の画数が登録されていないため、0画として判断しました。\n");
}

}  // namespace hoshikura
