#include "dispatch.h"

#include <cstring>

#include "app_state.h"
#include "name_record.h"
#include "name_split.h"
#include "view_factory.h"
#include "view_list.h"

namespace hoshikura {

namespace {

constexpr int kMinimumTextBytes = 2;

bool HasView(int kind) { return kind >= 0 && kind < kViewKindCount && kind != kNoView; }

}  // namespace

int OpenView(const char* first, const char* second, int kind) {
    if (!first || !second) return 0;
    if (std::strlen(first) < kMinimumTextBytes || std::strlen(second) < kMinimumTextBytes)
        return 0;
    if (!HasView(kind)) return 1;
    CViewList* list = App().viewList;
    if (!list) return 0;
    CView* view = BuildView(kind, first, second);
    if (!view) return 0;
    if (!view->Create(list)) {
        list->Delete(view);
        return 0;
    }
    list->Append(view);
    return 1;
}

int JudgeFullName(const char* text) {
    char surname[kNameTextSize];
    char givenName[kNameTextSize];
    if (!SplitFullName(text, surname, sizeof surname, givenName, sizeof givenName, 0)) return 0;
    if (!OpenView(surname, givenName, kJudgementView)) return 0;
    RememberPerson(surname, givenName);
    return 1;
}

}  // namespace hoshikura
