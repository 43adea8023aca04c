// A sample store emptied of its built-in given names, for tests that feed it
// texts of their own.
#pragma once

#include "sample_name.h"

struct EmptyStore : hoshikura::CSampleName {
    EmptyStore() {
        for (int f = 0; f < hoshikura::kFirstStrokeKeys; ++f)
            for (int r = 0; r < hoshikura::kRestStrokeKeys; ++r) SetSampleName(f, r, nullptr, 0);
    }
};
