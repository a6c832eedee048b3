// A user interface for the game control that records what it was asked to
// show and answers the save prompt as the test decides.
#pragma once

#include <string>
#include <vector>

#include "game/game_control.h"

namespace test {

class fake_game_ui : public game_ui {
  public:
    std::vector<std::string> messages;
    bool save_answer = true;  // what the save prompt ends in
    int save_prompts = 0;
    int redraws = 0;
    int waiting = 0;  // wait cursors shown and not yet restored

    void message_box(const std::string& text) override { messages.push_back(text); }
    bool save_modified() override {
        ++save_prompts;
        return save_answer;
    }
    void redraw() override { ++redraws; }
    void begin_wait_cursor() override { ++waiting; }
    void end_wait_cursor() override { --waiting; }
};

}  // namespace test
