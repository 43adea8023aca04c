#include "dispatch.h"

#include "app_state.h"
#include "judgement_view.h"
#include "name_record.h"
#include "view_factory.h"
#include "view_list.h"

namespace hoshikura {

namespace {

// Creates the view's window and lists the view; a view that could not be
// built or created is deleted and nothing is open.
bool ShowView(CView* view) {
    CViewList* list = App().viewList;
    if (!view || !list) {
        delete view;
        return false;
    }
    if (!view->Create(list)) {
        list->Delete(view);
        return false;
    }
    list->Append(view);
    return true;
}

// The flag that keeps a single view to one window; null for other kinds.
int32_t* SingleViewFlag(CViewList& list, ViewKind kind) {
    switch (kind) {
    case kRankView:
        return &list.rankingOpen;
    case kVersionView:
        return &list.versionOpen;
    case kFeaturesView:
        return &list.featuresOpen;
    default:
        return nullptr;
    }
}

}  // namespace

bool OpenPersonView(ViewKind kind, const char* surname, const char* givenName) {
    if (kind < kExplanationView || kind > kSameStrokeMethodView) return false;
    return ShowView(BuildPersonView(kind, surname, givenName));
}

bool OpenJudgement(const char* surname, const char* givenName) {
    CView* view = BuildPersonView(kJudgementView, surname, givenName);
    if (!ShowView(view)) return false;
    const CNameRecord& record = static_cast<CJudgementView*>(view)->record;
    App().rankLists.OfferName(record.surname, record.givenName, record.totalScore);
    RememberPerson(record.surname, record.givenName);
    return true;
}

bool JudgeFullName(const char* text) {
    char surname[kNameTextSize];
    char givenName[kNameTextSize];
    if (!SplitFullNameOrTell(text, surname, sizeof surname, givenName, sizeof givenName, false))
        return false;
    return OpenJudgement(surname, givenName);
}

bool OpenSearchView(const SearchRequest& request) { return ShowView(BuildSearchView(request)); }

bool OpenSingleView(ViewKind kind) {
    CViewList* list = App().viewList;
    int32_t* open = list ? SingleViewFlag(*list, kind) : nullptr;
    if (!open || *open) return false;
    // Set first: the view's creation already looks at it.
    *open = 1;
    if (!ShowView(BuildSingleView(kind))) *open = 0;
    return *open != 0;
}

}  // namespace hoshikura
