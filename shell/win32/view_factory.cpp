#include "view_factory.h"

#include <new>

#include "app_state.h"
#include "compose_search_view.h"
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
View* NewPersonView(int kind, const char* surname, const char* givenName) {
    auto* view = new (std::nothrow) View(kind);
    if (!view) return nullptr;
    view->record.Analyse(surname, givenName);
    view->fortunes = App().fortunes;
    return view;
}

// Every judgement is offered to the best and worst lists as it opens.
CView* NewJudgementView(const char* surname, const char* givenName) {
    CJudgementView* view = NewPersonView<CJudgementView>(kJudgementView, surname, givenName);
    if (view)
        App().rankLists.OfferName(view->record.surname, view->record.givenName,
                                  view->record.totalScore);
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
        return NewJudgementView(first, second);
    case kExplanationView:
        return NewPersonView<CExplanationView>(kind, first, second);
    case kStrokeMethodView:
    case kElementMethodView:
    case kYinYangMethodView:
    case kSameStrokeMethodView:
        return NewPersonView<CMethodView>(kind, first, second);
    case kRankView:
        return NewRankView();
    case kStrokeSearchView:
        return WithSexChoice(NewSearchView<CStrokeSearchView>(first, WantsGood(second)));
    case kReadingSearchView:
        return WithSexChoice(NewSearchView<CReadingSearchView>(first, second));
    case kKanjiSearchView:
        return WithSexChoice(NewSearchView<CKanjiSearchView>(first, second));
    case kSurnameSearchView:
        return NewSearchView<CSurnameSearchView>(WantsGood(first), second);
    case kVersionView:
        return NewVersionView();
    case kFeaturesView:
        return NewFeaturesView();
    case kComposeSearchView:
        return NewSearchView<CComposeSearchView>(first, second, App().sexChoice);
    default:
        return nullptr;
    }
}

}  // namespace hoshikura
