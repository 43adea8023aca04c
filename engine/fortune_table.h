// Explanatory texts of the grid numbers 1..81, four kinds.
#pragma once

namespace hoshikura {

enum FortuneKind { kPersonText = 0, kEarthText = 1, kOuterText = 2, kTotalText = 3 };
constexpr int kFortuneKinds = 4;

class CFortuneTable {
public:
    CFortuneTable();
    ~CFortuneTable();
    CFortuneTable(const CFortuneTable&) = delete;
    CFortuneTable& operator=(const CFortuneTable&) = delete;

    // Fills entries 1..81 from the built-in texts.
    void LoadBuiltIn();

    // Copies the four texts as entry n (1..81). A text that cannot be
    // allocated is stored as an empty one, after the allocation message.
    void SetFortune(int n, const char* personText, const char* earthText,
                    const char* outerText, const char* totalText);

    // Text of kind 0..3 for n in 1..81; "エラー（out range of index）" otherwise.
    // Never null.
    const char* FortuneText(int kind, int n) const;

private:
    char* texts_[kFortuneKinds][81];
};

// Fixed text returned for a kind or number outside the table.
extern const char* const kFortuneOutOfRange;

}  // namespace hoshikura
