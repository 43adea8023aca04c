// The four method detail windows as the screen shows them, for a common
// name and for the longest names with the heaviest characters.
#include <gtest/gtest.h>

#include <string>

#include "app_state.h"
#include "dispatch.h"
#include "gui_fixture.h"
#include "view_list.h"
#include "view_test.h"

namespace hoshikura {
namespace {

class MethodViewTest : public test::ViewTest {};

TEST_F(MethodViewTest, SavesEveryMethodViewForTwoNames) {
    const test::CShownFrame shown;
    const struct {
        const char* surname;
        const char* givenName;
        const char* file;
    } names[] = {{"山田", "太郎", "yamada"}, {"闇磯嬰襖臆", "霞嚇橿轄竃", "long"}};
    const char* const kinds[] = {"stroke", "element", "yinyang", "samestroke"};
    for (const auto& name : names) {
        for (int kind = kStrokeMethodView; kind <= kSameStrokeMethodView; ++kind) {
            ASSERT_EQ(OpenView(name.surname, name.givenName, kind), 1);
            const std::string file =
                std::string("method_") + kinds[kind - kStrokeMethodView] + "_" + name.file + ".png";
            EXPECT_TRUE(shown.Snap(App().viewList->head->window, file));
            test::CloseAllViews();
        }
    }
}

}  // namespace
}  // namespace hoshikura
