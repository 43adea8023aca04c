#include "dispatch.h"

#include "app_state.h"
#include "comparison_view.h"
#include "judgement_view.h"
#include "message_sink.h"
#include "name_field.h"
#include "name_record.h"
#include "stored_settings.h"
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
    case kComparisonView:
        return &list.comparisonOpen;
    default:
        return nullptr;
    }
}

CView* FirstViewOf(const CViewList& list, ViewKind kind) {
    for (CView* view = list.head; view; view = view->next)
        if (view->kind == kind) return view;
    return nullptr;
}

void ActivateView(const CView* view) {
    if (view && view->window)
        SendMessageA(App().client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(view->window), 0);
}

// The candidates in the order they were added.
CandidateNames NamesOf(const CCandidateList& list) {
    CandidateNames names;
    for (int k = 0; k < list.Entries(); ++k) {
        const std::string surname(list.surnames[k], FieldTextLength(list.surnames[k], kNameFieldSize));
        const std::string given(list.givenNames[k], FieldTextLength(list.givenNames[k], kNameFieldSize));
        names.push_back({surname, given});
    }
    return names;
}

// After a change: kept at once, so a crash loses no candidate, and shown.
void CandidatesChanged() {
    SaveStoredSettings();
    ReportFailedSave();
    CViewList* list = App().viewList;
    CView* view = list ? FirstViewOf(*list, kComparisonView) : nullptr;
    if (view) static_cast<CComparisonView*>(view)->SetNames(NamesOf(App().candidates));
}

}  // namespace

CandidateNames StoredCandidateNames() { return NamesOf(App().candidates); }

void AddCandidate(const char* surname, const char* givenName) {
    const CandidateAdded outcome = App().candidates.Add(surname, givenName);
    if (outcome != CandidateAdded::kAdded) {
        ShowMessage("%s", CandidateAddedText(outcome));
        return;
    }
    CandidatesChanged();
}

void RemoveCandidates(const std::vector<int>& entries) {
    bool removed = false;
    for (const int entry : entries) removed = App().candidates.Remove(entry) || removed;
    if (removed) CandidatesChanged();
}

void AddActiveJudgementAsCandidate() {
    const HWND active = reinterpret_cast<HWND>(SendMessageA(App().client, WM_MDIGETACTIVE, 0, 0));
    const CView* view = App().viewList && active ? App().viewList->Find(active) : nullptr;
    if (!view || view->kind != kJudgementView) {
        ShowMessage("%s", "候補に追加する名前の判断結果のウィンドウを選んでから、もう一度選んでください。");
        return;
    }
    AddCandidate(view->Surname(), view->GivenName());
}

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
    if (open && *open && kind == kComparisonView) ActivateView(FirstViewOf(*list, kind));
    if (!open || *open) return false;
    // Set first: the view's creation already looks at it.
    *open = 1;
    if (!ShowView(BuildSingleView(kind))) *open = 0;
    return *open != 0;
}

}  // namespace hoshikura
