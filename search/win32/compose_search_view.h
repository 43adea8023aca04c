// The window of the spellings composed for a surname and a reading (kind
// 14): the ranked rows with the reading of each character, "★" on the
// spellings the sample store holds; a double-click judges the full name.
#pragma once

#include <cstddef>

#include "compose_search.h"
#include "name_search_views.h"

namespace hoshikura {

class CComposeSearchView : public CStoreSearchView<CComposeSearch> {
public:
    CComposeSearchView();

    void SetQuery(const char* surname, const char* reading, int32_t sex = kBothSexes,
                  int32_t todayOnly = 0) {
        search.SetQuery(surname, reading, sex, todayOnly);
    }
    const char* EmptyRow() const override { return EmptyResultText(search.todayOnly); }
    void Paint(CDrawContext& dc) override;
    const char* Surname() const override { return search.surname; }
    const char* GivenName() const override { return ""; }

    void FormatRow(int i, char* out, std::size_t capacity) const override;
    void FormatFullName(int i, char* out, std::size_t capacity) const override;

protected:
    void FormatTitle(char* out, std::size_t capacity) const override;
};

}  // namespace hoshikura
