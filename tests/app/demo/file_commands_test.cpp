// "&Speichern" and "&Laden" through the file selection, typed as a user would: the file written,
// the file read back, a cancelled selection that does nothing, a bad file reported.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <string>

#include "demo_fixture.h"

namespace {

using demotest::Demo;
using demotest::key;
using demotest::shown_titled;
using formaldrix::general;

// Replaces the file name the selection offers by typing.
void type_name(const std::string& name) {
    plat::inject_key(VK_CONTROL, 0, true);
    key('A', 1); // select all
    plat::inject_key(VK_CONTROL, 0, false);
    for (char c : name)
        key(std::toupper(static_cast<unsigned char>(c)), c);
    key(VK_RETURN, '\r');
}

void command(int id) {
    PostMessageA(tess::window(0).frame, WM_COMMAND, static_cast<WPARAM>(id), 0);
}

TEST_F(Demo, SaveWritesTheTypedFileAndLoadReadsItBack) {
    bool selection = false;
    at_start([] { command(40005); });
    then([] {
        HWND d = shown_titled("Formel - Berechnung");
        PostMessageA(d, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    then([] { command(40011); });
    then([&] {
        selection = shown_titled("Speicher Ergebnis in Datei") != nullptr;
        type_name("werte.dat");
    });
    then([] {
        general.xs.fill(0.0);
        general.ys.fill(0.0);
        command(40003);
    });
    then([] { type_name("werte.dat"); });
    then([] {});
    run();
    EXPECT_TRUE(selection);
    const std::string text = testsupport::read_all("werte.dat");
    EXPECT_EQ(text.substr(0, text.find('\n')), " -12.00000000000000 -0.8626814706838392");
    EXPECT_EQ(general.ys[1], -0.8626814706838392);
    EXPECT_EQ(general.xs[10], 12.0); // 16 digits of 11.999999999999996
}

TEST_F(Demo, ACancelledSelectionDoesNothingAndABadFileIsReported) {
    dir.write("kurz.dat", "1 2\n3 4\n");
    bool reported = false;
    at_start([] { command(40003); });
    then([] { key(VK_ESCAPE, 27); });
    then([] { command(40003); });
    then([] { type_name("kurz.dat"); });
    then([&] {
        reported = shown_titled("Fehler") != nullptr;
        key(VK_RETURN, '\r');
    });
    run();
    EXPECT_TRUE(reported);
    EXPECT_EQ(general.resultWindow, -1);
    EXPECT_EQ(general.xs[1], 0.0);
    EXPECT_FALSE(std::filesystem::exists("Formaldrix_Ergebnis.dat"));
}

} // namespace
