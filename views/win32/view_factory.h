// The view object of each kind, with its data given before its window exists.
#pragma once

#include "view.h"

namespace hoshikura {

// A new view of `kind` holding its data: persons analysed from (first,
// second), searches given their query. Null for kinds without a view and
// when the object cannot be allocated.
CView* BuildView(int kind, const char* first, const char* second);

}  // namespace hoshikura
