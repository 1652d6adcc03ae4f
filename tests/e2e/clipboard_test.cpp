// The clipboard between our fields and another X client (xclip), both ways, on Xvfb.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>

#include "e2e/harness.h"
#include "e2e/xvfb_test.h"
#include "support/temp_dir.h"

namespace {

using namespace std::chrono_literals;
using e2e::Process;
using e2e::read_file;
using e2e::run;

const std::string ClipTool = CLIP_TOOL_PATH;
const std::string Cp1252Text = "Gr\xFC\xDF"
                               "e 5\x80"; // "Grüße 5€"
const std::string Utf8Text = "Gr\xC3\xBC\xC3\x9F"
                             "e 5\xE2\x82\xAC";

class ClipboardOnXvfb : public e2e::XvfbTest {
protected:
    void SetUp() override {
        if (run({"xclip", "-version"}).status != 0) GTEST_SKIP() << "xclip is not installed";
        XvfbTest::SetUp();
    }
    std::string xclip_out(const std::string& target) {
        return run({"xclip", "-selection", "clipboard", "-o", "-t", target}, xvfb->env()).out;
    }
    testsupport::TempDir dir;
};

// Copied in our field: xclip sees the forms offered and reads the text as UTF-8 and Latin-1
// (where the euro sign has no place).
TEST_F(ClipboardOnXvfb, CopiedInOurFieldPastesInAnotherClient) {
    const std::string ready = dir.file("ready");
    Process tool({ClipTool, "copy", ready}, xvfb->program_env(), dir.file("stderr.txt"));
    ASSERT_TRUE(e2e::wait_until([&] { return std::filesystem::exists(ready); }))
        << read_file(dir.file("stderr.txt"));
    const std::string targets = xclip_out("TARGETS");
    EXPECT_NE(targets.find("UTF8_STRING"), std::string::npos) << targets;
    EXPECT_NE(targets.find("STRING"), std::string::npos) << targets;
    EXPECT_EQ(xclip_out("UTF8_STRING"), Utf8Text);
    EXPECT_EQ(xclip_out("STRING"), "Gr\xFC\xDF"
                                   "e 5?");
}

// Another client owns the selection: our field's paste reads it, converted to Windows-1252.
TEST_F(ClipboardOnXvfb, CopiedInAnotherClientPastesInOurField) {
    const std::string source = dir.file("source.txt");
    std::ofstream(source, std::ios::binary) << Utf8Text;
    // In the foreground (-quiet) xclip serves the selection until it is ended.
    Process xclip({"xclip", "-selection", "clipboard", "-quiet", "-i", source}, xvfb->env(),
                  dir.file("xclip.txt"));
    ASSERT_TRUE(e2e::wait_until([&] { return xclip_out("UTF8_STRING") == Utf8Text; }));
    const std::string out = dir.file("pasted.txt");
    Process tool({ClipTool, "paste", out}, xvfb->program_env(), dir.file("stderr.txt"));
    ASSERT_EQ(tool.wait_exit(10s), 0) << read_file(dir.file("stderr.txt"));
    EXPECT_EQ(read_file(out), Cp1252Text);
}

} // namespace
