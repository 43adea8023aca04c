// The view object of each kind, handed what it shows before its window
// exists: the analysed person and the fortune texts, the query and the
// sample store of a search, the rank lists, the program's icon.
#pragma once

#include "view.h"

namespace hoshikura {

// A new view of `kind` holding its data: persons analysed from (first,
// second), searches given their query. Null for kinds without a view and
// when the object cannot be allocated.
CView* BuildView(int kind, const char* first, const char* second);

}  // namespace hoshikura
