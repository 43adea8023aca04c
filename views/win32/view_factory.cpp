#include "view_factory.h"

#include <new>

#include "app_state.h"
#include "explanation_view.h"
#include "compose_search_view.h"
#include "info_views.h"
#include "judgement_view.h"
#include "method_view.h"
#include "name_search_views.h"
#include "rank_view.h"
#include "stroke_search_view.h"

namespace hoshikura {

namespace {

// Views of a person: the record is analysed before the window exists.
template <typename View>
CView* NewPersonView(int kind, const char* surname, const char* givenName) {
    auto* view = new (std::nothrow) View(kind);
    if (view) view->record.Analyse(surname, givenName);
    return view;
}

// Search views: the query is stored before the window exists; the search
// runs inside Create.
template <typename View, typename... Query>
View* NewSearchView(Query... query) {
    auto* view = new (std::nothrow) View;
    if (view) view->SetQuery(query...);
    return view;
}

// Searches of sample given names list those of the choice made now.
template <typename View>
CView* WithSexChoice(View* view) {
    if (view) view->SetSexChoice(App().sexChoice);
    return view;
}

}  // namespace

CView* BuildView(int kind, const char* first, const char* second) {
    switch (kind) {
    case kJudgementView:
        return NewPersonView<CJudgementView>(kind, first, second);
    case kExplanationView:
        return NewPersonView<CExplanationView>(kind, first, second);
    case kStrokeMethodView:
    case kElementMethodView:
    case kYinYangMethodView:
    case kSameStrokeMethodView:
        return NewPersonView<CMethodView>(kind, first, second);
    case kRankView:
        return new (std::nothrow) CRankView;
    case kStrokeSearchView:
        return WithSexChoice(NewSearchView<CStrokeSearchView>(first, WantsGood(second)));
    case kReadingSearchView:
        return WithSexChoice(NewSearchView<CReadingSearchView>(first, second));
    case kKanjiSearchView:
        return WithSexChoice(NewSearchView<CKanjiSearchView>(first, second));
    case kSurnameSearchView:
        return NewSearchView<CSurnameSearchView>(WantsGood(first), second);
    case kVersionView:
        return new (std::nothrow) CVersionView;
    case kFeaturesView:
        return new (std::nothrow) CFeaturesView;
    case kComposeSearchView:
        return NewSearchView<CComposeSearchView>(first, second, App().sexChoice);
    default:
        return nullptr;
    }
}

}  // namespace hoshikura
