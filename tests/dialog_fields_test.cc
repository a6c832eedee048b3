#include "ui/dialog_fields.h"

#include <gtest/gtest.h>

#include <string>

namespace {

game_properties_texts game_texts(std::string handicap, std::string komi = "5.5") {
    return {"17", true, std::move(handicap), std::move(komi)};
}

TEST(DialogFields, GamePropertiesReadInExchangeOrder) {
    dialog_result r = read_game_properties({" -42 ", false, "13", "-0.5"});
    EXPECT_FALSE(r.error);
    EXPECT_EQ(r.values.seed, -42);
    EXPECT_FALSE(r.values.use_seed);
    EXPECT_EQ(r.values.handicap, 13);
    EXPECT_EQ(r.values.komi, -0.5f);

    r = read_game_properties(game_texts("14"));
    ASSERT_TRUE(r.error);
    EXPECT_EQ(r.error->control, control_id::handicap);
    EXPECT_EQ(r.error->message, "Please enter an integer between 0 and 13.");

    // The seed is read first, even when it is not used.
    r = read_game_properties({"2147483648", false, "14", "x"});
    ASSERT_TRUE(r.error);
    EXPECT_EQ(r.error->control, control_id::seed);
    EXPECT_EQ(r.error->message, "Please enter an integer.");

    r = read_game_properties(game_texts("2.5", "x"));
    EXPECT_EQ(r.error->control, control_id::handicap);
    EXPECT_EQ(r.error->message, "Please enter an integer.");

    for (const char* komi : {"", "5,5", "abc", "inf", "1e99"}) {
        r = read_game_properties(game_texts("0", komi));
        ASSERT_TRUE(r.error) << komi;
        EXPECT_EQ(r.error->control, control_id::komi);
        EXPECT_EQ(r.error->message, "Please enter a number.");
    }
}

TEST(DialogFields, DepthsCheckedInExchangeOrder) {
    player_properties_texts t = player_properties_to_texts({});
    EXPECT_EQ(t.black_kind, 1);
    EXPECT_EQ(t.white_kind, 0);
    EXPECT_EQ(t.white_life_death, "4");

    // White plays by hand, but its depths are still read and kept.
    t.white_status = "1000";
    t.white_life_death = " 0";
    dialog_result r = read_player_properties(t);
    ASSERT_FALSE(r.error);
    EXPECT_FALSE(r.values.white.computer);
    EXPECT_EQ(r.values.white.status_depth, 1000);
    EXPECT_EQ(r.values.white.life_death_depth, 0);

    // Black's life/death comes last, after White's.
    t.black_life_death = "1001";
    t.white_life_death = "-1";
    r = read_player_properties(t);
    ASSERT_TRUE(r.error);
    EXPECT_EQ(r.error->control, control_id::white_life_death);
    EXPECT_EQ(r.error->message, "Please enter an integer between 0 and 1000.");
    t.white_life_death = "4";
    EXPECT_EQ(read_player_properties(t).error->control, control_id::black_life_death);

    // Black's connection comes first of all.
    t.black_connection = "eight";
    EXPECT_EQ(read_player_properties(t).error->control, control_id::black_connection);
    EXPECT_EQ(read_player_properties(t).error->message, "Please enter an integer.");
}

TEST(DialogFields, NonZeroHandicapLocksKomi) {
    EXPECT_TRUE(handicap_locks_komi("2"));
    EXPECT_TRUE(handicap_locks_komi(" -1 "));
    EXPECT_TRUE(handicap_locks_komi("99"));
    EXPECT_FALSE(handicap_locks_komi("0"));
    EXPECT_FALSE(handicap_locks_komi(""));
    EXPECT_FALSE(handicap_locks_komi("2x"));
    EXPECT_FALSE(handicap_locks_komi("+"));
}

}  // namespace
