// The base of fixtures whose tests run programs on a private Xvfb: each test gets its own server
// and is skipped, with the reason, where none can start.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "harness.h"

namespace e2e {

class XvfbTest : public ::testing::Test {
protected:
    void SetUp() override { start_server(); }

    void start_server(const std::vector<std::string>& args = {}) {
        xvfb = std::make_unique<Xvfb>(args);
        if (!xvfb->started()) GTEST_SKIP() << "Xvfb cannot start here: " << xvfb->failure();
    }

    // Declared first, so it outlives the programs a derived fixture runs on it.
    std::unique_ptr<Xvfb> xvfb;
};

} // namespace e2e
