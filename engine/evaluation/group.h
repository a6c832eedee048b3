// A group: strings of one colour that the group update found connected, the
// unit of life and death.  Groups are built afresh at every analysis of the
// board, so a group lives for one analysis.  Besides its members it carries
// the features of its eye analysis, the outputs of the safety networks and
// the result of its life-and-death reading.
#pragma once

#include <array>
#include <vector>

#include "engine/board/board_size.h"
#include "engine/board/point_set.h"
#include "engine/reading/proof_record.h"

class evaluator;
class point;
class str;

class group {
public:
    explicit group(evaluator& owner);
    ~group();
    group(const group&) = delete;
    group& operator=(const group&) = delete;

    std::vector<str*> members;
    point_set stones;
    int colour = 0;  // 0 until the first string joins
    int size = 0;    // stones, kept by add_string and remove_string
    int examined = 0;
    int settled = 0;

    point_set outer_area;  // liberties, and stones of adjacent dead enemy strings
    point_set eye_space;
    point_set area;  // handed to the life-and-death reading
    point_set eye_points;
    point_set half_eye_points;
    point_set full_eye_points;
    point_set region;
    point_set strong_neighbours;

    double eyes = 0.0;
    double freedom = 0.0;
    double safety = 0.0;
    double eyespace = 0.0;
    double space = 0.0;  // the quick safety estimate made by space_value
    double room_factor = 1.0;
    double nn_safety = 0.0;
    double harassment = 0.0;
    int conf_space = 0;
    double conf_lim = 0.0;
    double lib_weakness = 0.0;
    double lib_strength = 0.0;
    double centre_distance[2] = {0.0, 0.0};  // the smaller first
    proof_record live_record;
    proof_record kill_record;
    int adjacent_groups = 0;
    double adjacent_space = 0.0;
    int cutting_points = 0;
    int small_friends = 0;
    int small_foes = 0;
    // 1 lives, -1 dies, 0 open, life_not_read until read.
    static constexpr int life_not_read = -99;
    int life_result = life_not_read;

    // --- membership -----------------------------------------------------
    void add_string(str* s);
    void remove_string(str* s);
    void absorb_group(group* other);
    point* main_stone() const;
    bool is_to_move() const;
    // One member whose status marks it dead for the side it belongs to.
    bool is_single_dead_string() const;

    // --- eye analysis: static life tests on the board as it stands ------
    // Owner's view (1 lives, -1 dies, 0 open): one and a half eyes live.
    int life_status();
    // Attacker's view (1 killed, -1 lives, 0 open): only two eyes live.
    int kill_status();
    // Can p count as the group's territory?  Strict answers only what
    // reading shows; optimistic gives the owner the benefit of the doubt.
    bool in_territory(point* p, bool optimistic);
    // Both answers at once: 1 territory in both modes, 0 only to the
    // optimist, -1 in neither.
    int territory_verdict(point* p);
    // The verdicts of the points met so far on the board as it stands, kept
    // for the strict and the optimistic pass of one status.
    using verdict_memo = std::array<signed char, board_points + 1>;
    static verdict_memo fresh_memo();
    // Eye classes of the region's points, and the orthogonally connected
    // pieces of the eye points.
    void build_region(const point_set& outer, bool optimistic);
    void build_region(const point_set& outer, bool optimistic, verdict_memo& memo);
    void classify();
    std::vector<point_set> components();
    // Value of one component in half eyes (0..4).
    int component_value(point_set& q, bool optimistic);
    // Value in half eyes of a small eye shape, by size and form alone.
    static int eye_shape_value(const point_set& q, bool optimistic);
    int pure_value(point_set& q, bool optimistic);
    int nakade_value(str* o, const point_set& q, bool optimistic);
    // Removes from t the points that cannot become real eyes, lowering the
    // classes of their neighbours.
    void prune_false_eyes(point_set& t);
    // No enemy stone played next to q can atari the group and stand.
    bool atari_safe(const point_set& q);

    // --- features, safety and the life-and-death reading (steps of the
    // board evaluation, in this order over all groups) --------------------
    void space_value();
    void evaluate_safety();
    void read_life_and_death();
    // Enclosure of the group by enemy strength: the flood from its stones
    // stays within size + 20 points while enemy strength below t is open.
    bool enclosed(double t);
    // The networks' outputs: harassment (5 x output) and nn_safety.
    double rate_harassment();
    double rate_safety();
    void display() const;

private:
    evaluator& evaluator_;

    // The strings now on the group's stones (the members, while no reading
    // has changed the board).
    std::vector<str*> current_strings() const;
    // An enemy stone whose string's status marks it dead for this group.
    bool is_dead_enemy(const point* p) const;
    bool touches_live_enemy(const point* p) const;
    void build_outer_area(point_set& out) const;
    int eye_sum(bool optimistic, verdict_memo& memo);
    void drop_class(point* p, point_set& t);
    void lower_class(point* p, point_set& t);
    void lower_neighbours(point* p, point_set& t);

    // Feature steps of evaluate_safety.
    void build_eye_space();
    void measure_eyespace();
    void measure_centre_distances();
    void build_area();
    void measure_liberty_strengths();
    void measure_conf_lim();
    double bisect_enclosure(double* upper);
    point* enclosure_gap(double t);
    bool flood(double t, std::vector<point*>* entered);
    void measure_adjacent_groups();
    void count_cutting_points();
    void count_small_neighbours();
    int capturable_dead_neighbours() const;
    // Reading and settling: whether the last move came near, and the groups
    // whose fate this group's reading decides.
    bool near_last_move() const;
    bool touches(const group& other) const;
    static void clear_record(proof_record& record);
    void settle_enemies_inside();
    void settle_enemies_around();
};
