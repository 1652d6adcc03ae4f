// The monkey's judges of the sandbox: a whole result file, a file cut short or padded, a
// temporary file left behind, a seed changed, and which directories lie inside.
#include <gtest/gtest.h>

#include <string>

#include "result_file.h"
#include "sandbox.h"
#include "support/temp_dir.h"

namespace {

using monkey::Sandbox;
using monkey::whole_result_file;

std::string whole() {
    formaldrix::Points xs{}, ys{};
    for (int i = 1; i <= formaldrix::PointCount; ++i) {
        xs[i] = i * 1.5;
        ys[i] = -i;
    }
    return formaldrix::result_file_text(xs, ys);
}

TEST(MonkeySandbox, AWholeResultFileIsTenLinesOfTwoValuesReadBackByTheDemo) {
    const std::string w = whole();
    const std::string firstLine = w.substr(0, w.find('\n') + 1);
    struct Case {
        const char* what;
        std::string text;
        bool whole;
    };
    const Case cases[] = {
        {"as written", w, true},
        {"cut in the last line", w.substr(0, w.size() - 5), false},
        {"without its last line end", w.substr(0, w.size() - 1), false},
        {"nine lines", w.substr(w.find('\n') + 1), false},
        {"eleven lines", w + firstLine, false},
        {"a third value", " 1 2 3\n" + w.substr(w.find('\n') + 1), false},
        {"not indented", w.substr(1), false},
        {"empty", "", false},
        {"a value that is no number", " 1 Infinity\n" + w.substr(w.find('\n') + 1), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(whole_result_file(c.text), c.whole) << c.what;
}

TEST(MonkeySandbox, OnlyUntouchedSeedsAndWholeResultFilesPass) {
    struct Case {
        const char* what;
        const char* name;
        std::string bytes; // written into the sandbox before the check
        int files;
        int written;
        const char* fault; // the start of the fault reported, or null
    };
    const Case cases[] = {
        {"the seeds alone", nullptr, "", 3, 0, nullptr},
        {"a new whole file", "neu.dat", whole(), 4, 1, nullptr},
        {"a seed saved over whole", "kurz.dat", whole(), 3, 1, nullptr},
        {"a seed in a folder changed", "a/b.dat", "y", 3, 0, "a/b.dat: not a whole result file"},
        {"a half-written file", "halb.dat", whole().substr(0, 30), 4, 0,
         "halb.dat: not a whole result file"},
        {"a temporary file left behind", ".neu.dat.tmp0", whole().substr(0, 30), 4, 0,
         ".neu.dat.tmp0: a temporary file left behind"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::TempDir again;
        const Sandbox box(again.path(),
                          {{"gut.dat", whole()}, {"kurz.dat", "1 2\n"}, {"a/b.dat", "x"}});
        if (c.name) again.write(std::string("sandbox/") + c.name, c.bytes);
        const monkey::SandboxCheck check = box.check();
        EXPECT_EQ(check.files, c.files);
        EXPECT_EQ(check.written, c.written);
        if (c.fault) {
            ASSERT_EQ(check.faults.size(), 1u);
            EXPECT_EQ(check.faults[0].rfind(c.fault, 0), 0u) << check.faults[0];
        } else {
            EXPECT_TRUE(check.faults.empty()) << check.faults.front();
        }
    }
}

TEST(MonkeySandbox, HoldsItselfAndWhatLiesBelowOnly) {
    testsupport::TempDir dir;
    const Sandbox box(dir.path(), {});
    const std::string root = box.path().string();
    struct Case {
        std::string directory;
        bool inside;
    };
    const Case cases[] = {
        {root, true},
        {root + "/unter", true},
        {root + "/unter/tiefer", true},
        {root + "x", false}, // a sibling whose name starts alike
        {box.path().parent_path().string(), false},
        {"/", false},
        {"..." + root.substr(3), false}, // cut to fit: not known to be inside
        {"", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(box.holds(c.directory), c.inside) << c.directory;
}

} // namespace
