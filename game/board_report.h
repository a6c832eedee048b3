// What the front ends show of the engine's judgement of the position, and
// no more of the engine: the owner of each point, the safety digit of each
// stone, the score estimate and the printed board.  A view on the game's
// engine; it evaluates where a query needs it, but never changes the game.
#pragma once

class engine;

class board_report {
  public:
    explicit board_report(engine& e) : engine_(e) {}

    // From the last evaluation: 1 Black's point, -1 White's, 0 open.
    int ownership(int x, int y) const;
    // From the last evaluation: a digit for the safety of the stone's group,
    // ' ' when it is safe or there is no stone.
    char safety_digit(int x, int y) const;
    // From the last evaluation: the safety of the stone's group, -1 when
    // there is no grouped stone on (x, y).
    double stone_safety(int x, int y) const;
    // Black's lead, komi not included, from a fresh evaluation.
    int score_estimate() const;
    // The board as the console shows it, on the diagnostic stream.
    void print_board() const;

  private:
    engine& engine_;
};
