// The program's one random generator, shared by the whole process: move
// generation draws from it, and a game started with a fixed seed replays the
// same draws.  Knuth's subtractive generator (a table of 55 integers modulo
// 10^9), so that games reproduce across platforms and compilers.
#pragma once

class subtractive_random {
  public:
    // A value in [0, 1).  The first draw, and any draw while the stored
    // seed is negative, first initialises the table from the stored seed,
    // which is then replaced by 1.
    double uniform();
    // The next draw scaled to lo..hi, truncated toward zero; counted.
    int integer(int lo, int hi);
    // The next draw initialises from s; the call count starts again.
    void set_seed(int s);

    int seed() const { return seed_; }
    long long integer_calls() const { return integer_calls_; }

  private:
    static constexpr int modulus = 1000000000;

    int seed_ = 1000001;
    bool initialised_ = false;
    int table_[56] = {};  // positions 1..55
    int next_ = 0;
    int next_partner_ = 0;
    long long integer_calls_ = 0;  // never reseeded in a long session

    void initialise();
};

// The process-wide generator and its three operations.
subtractive_random& random_generator();
void set_random_seed(int s);
double random_uniform();
int random_int(int lo, int hi);
