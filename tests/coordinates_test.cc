// The point names: SGF letters and GTP vertices against board coordinates.
#include <gtest/gtest.h>

#include "engine/board/coordinates.h"

namespace {

using coord::xy;

TEST(Coordinates, CornersAndTheMissingIRoundTrip) {
    const struct {
        xy p;
        const char* sgf;
        const char* gtp;
    } names[] = {{{1, 1}, "aa", "A19"},  {{19, 1}, "sa", "T19"}, {{1, 19}, "as", "A1"},
                 {{19, 19}, "ss", "T1"}, {{8, 10}, "hj", "H10"}, {{9, 10}, "ij", "J10"}};
    for (const auto& n : names) {
        EXPECT_EQ(coord::sgf_point(n.p.x, n.p.y), n.sgf);
        EXPECT_EQ(coord::parse_sgf_point(n.sgf), n.p) << n.sgf;
        EXPECT_EQ(coord::gtp_vertex(n.p.x, n.p.y), n.gtp);
        EXPECT_EQ(coord::parse_gtp_vertex(n.gtp), n.p) << n.gtp;
    }
    EXPECT_EQ(coord::parse_gtp_vertex("t19"), (xy{19, 1}));
    EXPECT_EQ(coord::parse_gtp_vertex("A01"), (xy{1, 19}));
}

TEST(Coordinates, BadNamesAreRefused) {
    for (const char* bad : {"", "a", "tt", "ti", "zz", "aaa", "Aa", "a`", "s\x7f"}) {
        EXPECT_FALSE(coord::parse_sgf_point(bad)) << bad;
    }
    for (const char* bad :
         {"", "A", "I5", "T20", "A0", "Z1", "A-1", "A+1", "A1x", "pass", "zz", "ti"}) {
        EXPECT_FALSE(coord::parse_gtp_vertex(bad)) << bad;
    }
    EXPECT_FALSE(
        coord::parse_gtp_vertex(std::string_view("\0"
                                                 "1",
                                                 2)));
}

}  // namespace
