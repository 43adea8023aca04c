#include "view_factory.h"

#include <new>

#include "info_views.h"
#include "placeholder_view.h"

namespace hoshikura {

namespace {

// Views of a person: the record is analysed before the window exists.
template <typename View>
CView* NewPersonView(int kind, const char* surname, const char* givenName) {
    auto* view = new (std::nothrow) View(kind);
    if (view) view->record.Analyse(surname, givenName);
    return view;
}

}  // namespace

CView* BuildView(int kind, const char* first, const char* second) {
    switch (kind) {
    case kJudgementView:
    case kExplanationView:
    case kStrokeMethodView:
    case kElementMethodView:
    case kYinYangMethodView:
    case kSameStrokeMethodView:
        return NewPersonView<CPlaceholderView>(kind, first, second);
    case kRankView:
    case kStrokeSearchView:
    case kReadingSearchView:
    case kKanjiSearchView:
    case kSurnameSearchView:
        return new (std::nothrow) CPlaceholderView(kind);
    case kVersionView:
        return new (std::nothrow) CVersionView;
    case kFeaturesView:
        return new (std::nothrow) CFeaturesView;
    default:
        return nullptr;
    }
}

}  // namespace hoshikura
