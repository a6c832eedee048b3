// The command identifiers of the menus, accelerators and toolbar.
#pragma once

#include "game/game_control.h"

namespace command_id {

// The toolkit takes menu identifiers below 32767 only: each command keeps its
// number in the program's command table (the one game_command uses) less
// this offset.
constexpr int offset = 30000;
constexpr int of(int number) {
    return number - offset;
}
constexpr int of(game_command command) {
    return of(static_cast<int>(command));
}

constexpr int new_game = of(57600);
constexpr int new_with_properties = of(32772);
constexpr int start_game = of(32774);
constexpr int pause_game = of(32777);
constexpr int open_file = of(57601);
constexpr int save = of(57603);
constexpr int save_as = of(57604);
constexpr int print = of(57607);
constexpr int print_preview = of(57609);
constexpr int print_setup = of(57606);
constexpr int recent_file = of(57616);  // the first of the four recent files
constexpr int recent_files = 4;
constexpr int exit_program = of(57665);
constexpr int undo = of(57643);
constexpr int undo_all = of(32780);
constexpr int redo = of(57644);
constexpr int redo_all = of(32782);
constexpr int players = of(32773);
constexpr int evaluations = of(32786);
constexpr int toolbar = of(59392);
constexpr int status_bar = of(59393);
constexpr int about = of(57664);
// The standard clipboard and pane keys: bound, never handled.
constexpr int copy = of(57634);
constexpr int cut = of(57635);
constexpr int paste = of(57637);
constexpr int next_pane = of(57680);
constexpr int previous_pane = of(57681);

}  // namespace command_id
