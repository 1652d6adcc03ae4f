// Bad-input rows for routines that repair a bad argument instead of refusing it: the bad call
// must record its error number and leave exactly the state that a good call (the repaired
// argument, the default) leaves, everything StateSnapshot takes included. A row without a good
// call must change nothing. Each row runs twice from the same start, once for each call; the
// objects the start makes afresh get new handles each time, so the parts named in ignored are
// left out and extra compares what those objects hold instead.
#pragma once

#include <algorithm>
#include <functional>
#include <span>
#include <string>

#include "support/state_snapshot.h"

namespace testsupport {

struct EquivalentCall {
    std::string what;
    std::function<void()> bad;
    int error;
    std::function<void()> same; // empty: nothing changes
};

// The names differences() reports, without the ignored ones.
inline std::string differences_except(const StateSnapshot& want, const StateSnapshot& got,
                                      std::span<const std::string> ignored) {
    const std::string all = differences(want, got);
    std::string kept;
    std::size_t at = 0;
    while (at < all.size()) {
        std::size_t end = all.find(", ", at);
        if (end == std::string::npos) end = all.size();
        const std::string name = all.substr(at, end - at);
        if (std::find(ignored.begin(), ignored.end(), name) == ignored.end())
            kept += (kept.empty() ? "" : ", ") + name;
        at = end + 2;
    }
    return kept;
}

// extra adds the parts of the state a table's routines own beyond StateSnapshot's.
inline void expect_equivalent(const std::function<void()>& start,
                              std::span<const EquivalentCall> rows,
                              const std::function<void(StateSnapshot&)>& extra = nullptr,
                              std::span<const std::string> ignored = {}) {
    auto take = [&] {
        StateSnapshot s = StateSnapshot::take();
        if (extra) extra(s);
        return s;
    };
    for (const EquivalentCall& r : rows) {
        SCOPED_TRACE(r.what);
        start();
        InfoError(1);
        if (r.same) {
            r.same();
            EXPECT_EQ(InfoError(1), 0) << "the good call";
        }
        const StateSnapshot want = take();
        start();
        InfoError(1);
        r.bad();
        EXPECT_EQ(InfoError(1), r.error);
        EXPECT_EQ(differences_except(want, take(), ignored), "");
    }
}

} // namespace testsupport
