// Routine output behind the debug switch: quiet scopes drop what is printed
// while they live, and move generation prints only with WINKIRVO_DEBUG=1.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "engine/base/diagnostics.h"
#include "engine/base/random.h"
#include "engine/engine.h"
#include "tests/support/data_dir.h"
#include "tests/support/diag_capture.h"

namespace {

// Sets an environment variable while it lives, then removes it.
class scoped_env {
  public:
    scoped_env(const char* name, const char* value) : name_(name) { setenv(name, value, 1); }
    ~scoped_env() { unsetenv(name_); }
    scoped_env(const scoped_env&) = delete;
    scoped_env& operator=(const scoped_env&) = delete;

  private:
    const char* name_;
};

TEST(QuietScope, DropsOutputWhileActiveAndNests) {
    test::diag_capture log;
    diag::print("a");
    {
        diag::quiet_scope quiet(true);
        diag::print("b");
        {
            // An inactive scope inside an active one stays quiet.
            diag::quiet_scope loud(false);
            diag::print("c");
        }
        diag::print("d");
    }
    {
        diag::quiet_scope inactive(false);
        diag::print("e");
    }
    diag::print("f");
    EXPECT_EQ(log.text(), "aef");
}

TEST(DebugSwitch, OnlyTheValueOne) {
    unsetenv("WINKIRVO_DEBUG");
    EXPECT_FALSE(diag::debug_enabled());
    {
        scoped_env on("WINKIRVO_DEBUG", "1");
        EXPECT_TRUE(diag::debug_enabled());
    }
    scoped_env other("WINKIRVO_DEBUG", "yes");
    EXPECT_FALSE(diag::debug_enabled());
}

TEST(DebugSwitch, MoveGenerationPrintsOnlyWithIt) {
    test::scoped_data_dir none;
    unsetenv("WINKIRVO_DEBUG");
    engine e;
    e.set_depth_limits(1, 1, 1);
    set_random_seed(3);
    test::diag_capture log;
    e.generate_move(1);
    EXPECT_EQ(log.text(), "");

    scoped_env on("WINKIRVO_DEBUG", "1");
    e.generate_move(-1);
    const std::string text = log.text();
    EXPECT_NE(text.find("opponent_sente "), std::string::npos) << text;
    EXPECT_NE(text.find(" JJ "), std::string::npos) << text;  // no joseki without files
    EXPECT_EQ(text.back(), '*') << text;
}

}  // namespace
