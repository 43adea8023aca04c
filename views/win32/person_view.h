// A view of one analysed person (kinds 0 to 5): the record is complete
// before the window exists, so the first paint finds every grid and score;
// the fortune texts of the grid numbers come with it.
#pragma once

#include "name_record.h"
#include "view.h"

namespace hoshikura {

class CFortuneTable;

class CPersonView : public CView {
public:
    using CView::CView;
    const char* Surname() const override { return record.surname; }
    const char* GivenName() const override { return record.givenName; }

    CNameRecord record{};
    const CFortuneTable* fortunes = nullptr;
};

}  // namespace hoshikura
