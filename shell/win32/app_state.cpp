#include "app_state.h"

namespace hoshikura {

CAppState& App() {
    static CAppState state;
    return state;
}

}  // namespace hoshikura
