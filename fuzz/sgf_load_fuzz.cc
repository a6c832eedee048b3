// libFuzzer target: any bytes as the contents of an opened file, through the
// SGF reader and the document's load step.  A refused file must leave the
// document exactly as it was; an accepted one must give a sound board, and
// the game written back must read again to the same game.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "game/game_control.h"

namespace {

class silent_ui : public game_ui {
  public:
    void message_box(const std::string&) override {}
    bool save_modified() override { return true; }
    void redraw() override {}
    void begin_wait_cursor() override {}
    void end_wait_cursor() override {}
};

// The stones, the length of the record and the side to move.  A finished
// game is written without its two closing passes, so when they were its
// only moves the file cannot tell which colour passed first: the side to
// move of a finished game is left out.
std::vector<int> stones(game_control& doc) {
    std::vector<int> colours;
    const engine& e = doc.game().eng();
    for (int k = 0; k < e.n_points; ++k) colours.push_back(e.points[k]->colour);
    colours.push_back(doc.game().is_over() ? 0 : doc.side());
    colours.push_back(e.no_moves);
    return colours;
}

void require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // One document for the whole run, as in the program, so that every
    // input is loaded over the game the previous one left.
    static silent_ui ui;
    static game_control doc(ui, [](const board_report&) { return 0; });
    static const bool ready = (doc.new_document(), true);
    (void)ready;

    const std::vector<int> before = stones(doc);
    const std::string saved_before = doc.save_text();
    if (!doc.load_text(std::string(reinterpret_cast<const char*>(data), size))) {
        require(stones(doc) == before);
        require(doc.save_text() == saved_before);
        return 0;
    }
    require(doc.engine_for_checks().check_position() == 0);
    const std::vector<int> loaded = stones(doc);
    const std::string written = doc.save_text();
    require(doc.load_text(written));
    require(stones(doc) == loaded);
    require(doc.save_text() == written);
    return 0;
}
