#include "name_words.h"

#include <algorithm>

#include "commands.h"
#include "kana_fold.h"
#include "name_split.h"
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

// True when no character of the CP932 text is double-byte: half-width
// letters, digits, signs and katakana only.
bool HalfWidthOnly(const std::string& text) {
    for (unsigned char c : text)
        if (IsLeadByte(c)) return false;
    return true;
}

// True when the CP932 text holds a half-width katakana (0xA1..0xDF as a
// character of its own, not as the second byte of a double-byte one).
bool HasHalfWidthKana(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (IsLeadByte(c)) ++i;
        else if (c >= 0xA1 && c <= 0xDF) return true;
    }
    return false;
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

const char kKatakanaVu[] = "ヴ";
const char kLongVowelMark[] = "ー";

}  // namespace

std::vector<std::string> NameWords(const std::vector<std::string>& words) {
    std::vector<std::string> out;
    for (const std::string& word : words) SplitAtBlanks(word, out);
    return out;
}

int TakeNameWords(const CliArgs& args, const NameWordsRule& rule, std::vector<std::string>& out) {
    if (args.words.empty()) return UsageError(rule.hint);
    out = NameWords(args.words);
    if (out.size() > rule.wanted)
        return UsageError(ExtraWordText(rule.wanted, out[rule.wanted]) + rule.hint);
    if (out.size() < rule.wanted) return Refuse(rule.hint);
    for (std::size_t i = 0; i < rule.names; ++i)
        if (HalfWidthOnly(out[i])) return Refuse(HalfWidthNameText(out[i]));
    return kExitDone;
}

std::string ExtraWordText(std::size_t wanted, const std::string& extra) {
    return "姓から数えて" + std::to_string(wanted + 1) + "語目の「" + extra + "」からあとは使えません。";
}

bool HalfWidthName(const std::string& word) { return HalfWidthOnly(word); }

std::string HalfWidthNameText(const std::string& word) {
    return "「" + word + "」は半角の文字だけなので画数を数えられません。漢字・ひらがな・全角カタカナで入力してください。";
}

std::string SplitRefusal(SplitResult result, const char* hint) {
    // The dialogs' message, then what to type.
    const char* refusal = SplitRefusalText(result);
    if (refusal == nullptr) return hint;
    if (result == SplitResult::kHalfWidth)
        return std::string(refusal) + "姓と名は漢字・ひらがな・全角カタカナで入力してください。";
    return refusal + std::to_string(kMaxNameBytes / 2) +
           "文字以内で入力してください（半角の文字は2つで1文字と数えます）。";
}

bool SplitOrRefuse(const std::string& line, char* first, int firstCapacity, char* second, int secondCapacity,
                   bool allowLongSecond, const char* hint) {
    const SplitResult result = SplitFullName(line.c_str(), first, firstCapacity, second, secondCapacity, allowLongSecond);
    if (result == SplitResult::kSplit) return true;
    Tell(SplitRefusal(result, hint));
    return false;
}

void NoteReadingNotKana(const std::string& reading) {
    std::vector<char> hiragana(reading.size() + 1);
    if (HiraganaReading(reading.c_str(), hiragana.data(), hiragana.size())) return;
    // ヴ is full-width katakana, but no reading of a name holds it.
    if (reading.find(kKatakanaVu) != std::string::npos) {
        Tell("読み「" + reading + "」のヴはひらがなにない音なので、名前は見つかりません。"
             "ヴはバ行（ば・び・ぶ・べ・ぼ）で入力してください。");
        return;
    }
    // Readings of names spell a long vowel out (ゆうき), never with ー.
    if (reading.find(kLongVowelMark) != std::string::npos) {
        Tell("読み「" + reading + "」の「ー」は名前の読みに使わないので、名前は見つかりません。"
             "のばす音は「う」「い」などのかなで入力してください（例：ゆうき）。");
        return;
    }
    Tell("読み「" + reading + (HasHalfWidthKana(reading) ? "」に半角カタカナ" : "」にかな以外の文字") +
         "があるため、名前は見つかりません。読みはひらがなか全角のカタカナで入力してください"
         "（例：たろう、タロウ）。");
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
    Tell(named + "の画数が登録されていないため、0画として判断しました。0画の文字があると得点は低く出て、"
                 "名前の良し悪しを表しません。画数表にある漢字・ひらがな・全角カタカナに置き換えて入力してください。");
}

}  // namespace hoshikura
