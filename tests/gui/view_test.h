// What the view tests share: a fixture that starts each test with the frame
// up and no view open, and the screenshot of a view as the user sees it.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "colours.h"
#include "view.h"

namespace hoshikura {
namespace test {

// Each test starts and ends with no view open, empty best and worst lists,
// the cascade counter at zero and no message waiting.
class ViewTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // The view opened last (the tail of the list), or null.
    static CView* NewestView();
};

// A request for every view kind, with the texts its menu or button sends.
struct ViewRequest {
    int kind;
    const char* first;
    const char* second;
};
extern const ViewRequest kEveryViewRequest[14];

// The first `count` pieces joined: names of every length from a pool.
std::string JoinFirst(const char* const* pool, int count);

// Shows the frame for screenshots while it lives; hidden again after.
class CShownFrame {
public:
    CShownFrame();
    ~CShownFrame();
    CShownFrame(const CShownFrame&) = delete;
    CShownFrame& operator=(const CShownFrame&) = delete;
    // Brings the frame forward, lets the messages settle and saves `window`
    // as the screen shows it, as an artefact.
    bool Snap(HWND window, const std::string& fileName) const;

private:
    HWND frame_;
};

}  // namespace test
}  // namespace hoshikura
