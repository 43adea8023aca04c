// The view object of each family, handed what it shows before its window
// exists: the analysed person and the fortune texts, the query and the
// sample store of a search, the rank lists, the program's icon.
#pragma once

#include "dialog_text.h"
#include "view.h"

namespace hoshikura {

// A view of a person (kinds 0 to 5) with its record analysed from the two
// names. Null for another kind or when the object cannot be allocated.
CView* BuildPersonView(ViewKind kind, const char* surname, const char* givenName);

// A search view holding its query (the search runs inside Create).
CView* BuildSearchView(const SearchRequest& request);

// The best and worst, version or features view; null for another kind.
CView* BuildSingleView(ViewKind kind);

}  // namespace hoshikura
