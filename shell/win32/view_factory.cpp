#include "view_factory.h"

#include <new>

#include "app_state.h"
#include "comparison_view.h"
#include "compose_search_view.h"
#include "dispatch.h"
#include "explanation_view.h"
#include "info_views.h"
#include "judgement_view.h"
#include "method_view.h"
#include "name_search_views.h"
#include "rank_view.h"
#include "sample_name.h"
#include "stroke_search_view.h"

namespace hoshikura {

namespace {

// Views of a person: the record is analysed before the window exists.
template <typename View>
View* NewPersonView(ViewKind kind, const char* surname, const char* givenName) {
    auto* view = new (std::nothrow) View(kind);
    if (!view) return nullptr;
    view->record.Analyse(surname, givenName);
    view->fortunes = App().fortunes;
    return view;
}

// Search views: the query is stored before the window exists; the search
// runs inside Create.
template <typename View, typename... Query>
View* NewSearchView(Query... query) {
    auto* view = new (std::nothrow) View;
    if (!view) return nullptr;
    view->SetQuery(query...);
    view->samples = App().samples;
    return view;
}

CView* NewRankView() {
    auto* view = new (std::nothrow) CRankView;
    if (view) view->lists = &App().rankLists;
    return view;
}

CView* NewVersionView() {
    auto* view = new (std::nothrow) CVersionView;
    if (view) view->icon = App().appIcon;
    return view;
}

CView* NewFeaturesView() {
    auto* view = new (std::nothrow) CFeaturesView;
    if (view && App().samples) view->sampleTotal = App().samples->GetSampleTotal();
    return view;
}

CView* NewComparisonView() {
    auto* view = new (std::nothrow) CComparisonView;
    if (view) view->SetNames(StoredCandidateNames());
    return view;
}

// Searches of sample given names list those of the choices made now.
template <typename View>
CView* WithNameChoice(View* view) {
    if (view) view->SetNameChoice(App().sexChoice, App().todayOnly);
    return view;
}

}  // namespace

CView* BuildPersonView(ViewKind kind, const char* surname, const char* givenName) {
    switch (kind) {
    case kJudgementView:
        return NewPersonView<CJudgementView>(kind, surname, givenName);
    case kExplanationView:
        return NewPersonView<CExplanationView>(kind, surname, givenName);
    case kStrokeMethodView:
    case kElementMethodView:
    case kYinYangMethodView:
    case kSameStrokeMethodView:
        return NewPersonView<CMethodView>(kind, surname, givenName);
    default:
        return nullptr;
    }
}

CView* BuildSearchView(const SearchRequest& r) {
    switch (r.kind) {
    case SearchKind::kStrokePatterns:
        return WithNameChoice(NewSearchView<CStrokeSearchView>(r.surname, int32_t{r.wantGood}));
    case SearchKind::kReading:
        return WithNameChoice(NewSearchView<CReadingSearchView>(r.surname, r.query));
    case SearchKind::kKanji:
        return WithNameChoice(NewSearchView<CKanjiSearchView>(r.surname, r.query));
    case SearchKind::kSurnames:
        return NewSearchView<CSurnameSearchView>(int32_t{r.wantGood}, r.query);
    case SearchKind::kCompose:
        return NewSearchView<CComposeSearchView>(r.surname, r.query, App().sexChoice, App().todayOnly);
    }
    return nullptr;
}

CView* BuildSingleView(ViewKind kind) {
    switch (kind) {
    case kRankView:
        return NewRankView();
    case kVersionView:
        return NewVersionView();
    case kFeaturesView:
        return NewFeaturesView();
    case kComparisonView:
        return NewComparisonView();
    default:
        return nullptr;
    }
}

}  // namespace hoshikura
