#include "app_objects.h"

#include <new>

#include "app_state.h"
#include "dispatch.h"
#include "fortune_table.h"
#include "judge.h"
#include "sample_name.h"
#include "stored_settings.h"
#include "stroke_table.h"
#include "view_list.h"

namespace hoshikura {

namespace {

template <typename T>
void DeleteAndClear(T*& object) {
    delete object;
    object = nullptr;
}

}  // namespace

bool CreateAppObjects() {
    CAppState& app = App();
    app.viewList = new (std::nothrow) CViewList;
    if (!app.viewList) return false;
    // The engine's tables: built now so no window waits for them later.
    TheStrokeTable();
    TheJudge();
    // What every view borrows; the MDI client follows once it exists.
    app.viewList->host.instance = app.instance;
    app.viewList->host.openPersonView = OpenPersonView;
    app.viewList->host.judgeFullName = JudgeFullName;
    app.viewList->host.addCandidate = AddCandidate;
    app.viewList->host.removeCandidates = RemoveCandidates;
    app.fortunes = new (std::nothrow) CFortuneTable;
    if (!app.fortunes) return false;
    app.fortunes->LoadBuiltIn();
    app.samples = new (std::nothrow) CSampleName;
    if (!app.samples) return false;
    app.rankLists.Clear();
    LoadStoredSettings();
    app.settingsLoaded = true;
    app.appIcon = LoadIconA(app.instance, "MYMDIAPP");
    return true;
}

void DestroyAppObjects() {
    CAppState& app = App();
    if (app.settingsLoaded) SaveStoredSettings();
    DeleteAndClear(app.viewList);
    DeleteAndClear(app.fortunes);
    DeleteAndClear(app.samples);
}

}  // namespace hoshikura
