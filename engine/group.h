// A group: strings of one colour that the group update found connected, the
// unit of life and death.  Groups are built afresh at every analysis of the
// board, so a group lives for one analysis.  Besides its members it carries
// the features of its eye analysis, the outputs of the safety networks and
// the result of its life-and-death reading.
#pragma once

#include <vector>

#include "engine/point_set.h"
#include "engine/proof_record.h"

class engine;
class point;
class str;

class group {
public:
    explicit group(engine& owner);
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
    int life_result = -99;  // 1 lives, -1 dies, 0 open, -99 never read

    // --- membership -----------------------------------------------------
    void add_string(str* s);
    void remove_string(str* s);
    void absorb_group(group* other);
    point* main_stone() const;
    bool is_to_move() const;
    // One member whose status marks it dead for the side it belongs to.
    bool is_single_dead_string() const;

    // --- eye analysis and safety (steps of the board evaluation) -------
    int life_status();
    int kill_status();
    void space_value();
    void evaluate_safety();
    void read_life_and_death();
    void display() const;

private:
    engine& engine_;
};
