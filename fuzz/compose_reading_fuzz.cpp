// Composing spellings of a typed reading: the kana conversion and the whole
// search over the real pair table and sample store. Input: the sex choice
// and the row text capacity (a byte each), the surname up to a NUL, then the
// reading.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "compose_search.h"
#include "fuzz_support.h"
#include "kana_fold.h"
#include "name_record.h"

using namespace hoshikura;

namespace {

const CSampleName& Store() {
    static const CSampleName* store = new CSampleName;
    return *store;
}

// The converted reading is whole hiragana of the typed length, or empty.
void CheckHiragana(const std::string& typed) {
    ExactBuffer out(kReadingFieldSize);
    const bool converted = HiraganaReading(typed.c_str(), out.Data(), kReadingFieldSize);
    FUZZ_CHECK(out.Terminated());
    const std::string hiragana = out.Text();
    FUZZ_CHECK(converted ? hiragana.size() == std::strlen(typed.c_str()) : hiragana.empty());
    for (std::size_t i = 0; i + 1 < hiragana.size(); i += 2)
        FUZZ_CHECK(static_cast<unsigned char>(hiragana[i]) == 0x82);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzBytes bytes(data, size);
    const int32_t sex = bytes.Byte() % 4;  // 3 is no choice the program makes
    const std::size_t capacity = bytes.Byte();
    const std::string surname = bytes.Text();
    const std::string reading = bytes.Rest();
    CheckHiragana(reading);

    CComposeSearch search;
    search.SetQuery(surname.c_str(), reading.c_str(), sex);
    search.RunSearch(Store());
    FUZZ_CHECK(search.resultCount >= 0 && search.resultCount <= kRankingRows);
    FUZZ_CHECK(search.spellingsJudged >= search.resultCount);
    for (int i = 0; i < search.resultCount; ++i) {
        const ComposeResult& row = search.results[i];
        FUZZ_CHECK(row.characterCount >= 1 && row.characterCount <= kMaxComposedCharacters);
        FUZZ_CHECK(std::strlen(row.written) == static_cast<std::size_t>(2 * row.characterCount));
        CNameRecord record;
        record.Analyse(search.surname, row.written);
        FUZZ_CHECK(record.totalScore == row.score);
        FUZZ_CHECK(i == 0 || search.results[i - 1].score >= row.score);
        if (capacity > 0) {
            ExactBuffer text(capacity);
            search.FormatRow(i, text.Data(), capacity);
            FUZZ_CHECK(text.Terminated());
        }
    }
    return 0;
}
