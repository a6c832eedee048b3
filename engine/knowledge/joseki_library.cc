#include "engine/knowledge/joseki_library.h"

#include <cctype>
#include <cstdio>
#include <utility>

#include "engine/base/data_files.h"
#include "engine/base/diagnostics.h"
#include "engine/board/board.h"
#include "engine/board/board_size.h"
#include "engine/board/coordinates.h"
#include "engine/board/position_key.h"

bool symmetry_image(int t, int x, int y, board_xy& out) {
    auto mirror = [](int c) { return board_size + 1 - c; };
    switch (t) {
        case 0:
            out = {x, y};
            return true;
        case 1:
            out = {y, mirror(x)};
            return true;
        case 2:
            out = {mirror(x), mirror(y)};
            return true;
        case 3:
            out = {mirror(y), x};
            return true;
        case 4:
            out = {x, mirror(y)};
            return true;
        case 5:
            out = {mirror(x), y};
            return true;
        case 6:
            out = {mirror(y), mirror(x)};
            return true;
        case 7:
            out = {y, x};
            return true;
        default:
            return false;
    }
}

// Whitespace-separated reading of a data file.  Words are consumed whole but
// only their first characters are kept, so no file can overrun a buffer.
class joseki_library::reader {
  public:
    reader(FILE* file, std::string name) : file_(file), name_(std::move(name)) {}
    ~reader() { std::fclose(file_); }
    reader(const reader&) = delete;
    reader& operator=(const reader&) = delete;

    const std::string& name() const { return name_; }

    // Skips white space, then takes at most max characters of the word; the
    // rest of a longer word is left for the next read.
    bool chars(std::string& out, size_t max) {
        out.clear();
        int c = skip_space();
        while (c != EOF && !is_space(c)) {
            out.push_back(static_cast<char>(c));
            if (out.size() == max) break;
            c = std::getc(file_);
        }
        return !out.empty();
    }

    // Skips white space, then consumes a whole word and keeps its first
    // `keep` characters.
    bool word(std::string& out, size_t keep) {
        out.clear();
        int c = skip_space();
        if (c == EOF) return false;
        for (; c != EOF && !is_space(c); c = std::getc(file_)) {
            if (out.size() < keep) out.push_back(static_cast<char>(c));
        }
        return true;
    }

    // Consumes the rest of the current branch, its sub-branches included,
    // up to and with the ")" that closes it, or to the end of the file.
    void skip_branch() {
        std::string token;
        int open = 0;
        while (word(token, 1)) {
            if (token[0] == '(') {
                ++open;
            } else if (token[0] == ')') {
                if (open == 0) return;
                --open;
            }
        }
    }

  private:
    FILE* file_;
    std::string name_;

    static bool is_space(int c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
    int skip_space() {
        int c = std::getc(file_);
        while (c != EOF && is_space(c))
            c = std::getc(file_);
        return c;
    }
};

namespace {

// The format only needs three characters of a token; a few more are kept
// so that a message can show what was written.
constexpr size_t token_keep = 16;
// Longer joseki file names cannot be opened anyway.
constexpr size_t name_keep = 4096;

bool is_letter(char c) {
    return c >= 'a' && c <= 's';
}

// 'a'..'s' are 1..19, '1'..'9' themselves; anything else (a missing
// character too) reads as 0, which means 10.
int coordinate(const std::string& token, size_t i) {
    if (i >= token.size()) return 10;
    const char c = token[i];
    if (is_letter(c)) return coord::sgf_number(c);
    if (c >= '1' && c <= '9') return c - '0';
    return 10;
}

// A stone with no liberty that captures nothing: the board cannot hold it.
bool is_suicide(const point* p, int c) {
    for (int i = 0; i < p->n_neighbours; ++i) {
        const point* q = p->neighbours[i];
        if (q->colour == 0) return false;
        const int libs = q->liberties();
        if (q->colour == c && libs > 1) return false;
        if (q->colour == -c && libs == 1) return false;
    }
    return true;
}

}  // namespace

size_t joseki_library::key_hash::operator()(const joseki_key& k) const {
    uint64_t h = 1469598103934665603ull;
    for (int x = 1; x <= board_size; ++x)
        h = (h ^ static_cast<uint32_t>(k[x])) * 1099511628211ull;
    return static_cast<size_t>(h);
}

joseki_library::joseki_library(board& e, const std::string& file_name) : board_(e) {
    read_library(file_name);
}

void joseki_library::read_library(const std::string& name) {
    FILE* file = std::fopen(find_data_file(name).c_str(), "r");
    if (file == nullptr) {
        diag::print(" file %s not found ", name.c_str());
        ++problems_;
        return;
    }
    reader in(file, name);
    std::string word;
    // The region ends at the first pair of characters that is not a point
    // name, so a terminator must differ from one in its first two.
    while (in.chars(word, 2)) {
        if (word == "00") {
            region.add(board_.pass_point);
        } else if (word.size() == 2 && is_letter(word[0]) && is_letter(word[1])) {
            region.add(board_.at(coord::sgf_number(word[0]), coord::sgf_number(word[1])));
        } else {
            break;
        }
    }
    while (in.word(word, name_keep))
        read_joseki_file(word);
}

void joseki_library::read_joseki_file(const std::string& name) {
    FILE* file = std::fopen(find_data_file(name).c_str(), "r");
    if (file == nullptr) {
        diag::print("missing file %s\n", name.c_str());
        diag::flush();
        ++problems_;
        return;
    }
    diag::print("found joseki file %s\n", name.c_str());
    diag::flush();
    reader in(file, name);
    read_tree(in, 1, 0);
}

const char* joseki_library::move_problem(board& e, point* p, int c) {
    if (p->colour != 0) return "plays on an occupied point";
    if (is_suicide(p, c)) return "is a suicide";
    if (e.no_moves >= board::stack_size) return "overflows the move stack";
    return nullptr;
}

void joseki_library::read_tree(reader& in, int a, int depth) {
    int played = 0;
    std::string token;
    while (in.word(token, token_keep)) {
        // Brackets are known by their first character.
        if (token[0] == ')') break;
        if (token[0] == '(') {
            if (depth + 1 < max_nesting) {
                read_tree(in, a, depth + 1);
            } else {
                diag::print("joseki file %s: branches nested deeper than %d; branch skipped\n",
                            in.name().c_str(), max_nesting);
                ++problems_;
                in.skip_branch();
            }
            continue;
        }
        a = -a;
        if (token == "p") continue;
        point* p = board_.at(coordinate(token, 0), coordinate(token, 1));
        if (const char* problem = move_problem(board_, p, a)) {
            diag::print("joseki file %s: move \"%s\" %s; rest of the branch skipped\n",
                        in.name().c_str(), token.c_str(), problem);
            ++problems_;
            in.skip_branch();
            break;
        }
        const char kind = token.size() > 2 ? token[2] : '\0';
        if (kind != 'n') learn(p, kind == 's' ? 2 : 1, a);
        board_.push(p, a);
        ++played;
    }
    for (; played > 0; --played)
        board_.pop();
}

point* joseki_library::transform(point* p, int t) const {
    board_xy image;
    if (!symmetry_image(t, p->x, p->y, image)) {
        diag::print("error joseki transform ");
        return board_.pass_point;
    }
    // The pass point has no place on the board to be moved to.
    if (p->is_pass()) return p;
    return board_.at(image.x, image.y);
}

joseki_key joseki_library::board_key(int t, int a) {
    joseki_key key{};
    for (int i = 0; i < region.count(); ++i) {
        point* q = region.next();
        // Row 0 weighs nothing in the key.
        if (q->is_pass()) continue;
        key[q->x] += powers_of_three[q->y] * a * transform(q, t)->colour;
    }
    return key;
}

joseki_entry* joseki_library::find(const joseki_key& key) {
    auto found = index_.find(key);
    return found == index_.end() ? nullptr : found->second;
}

void joseki_library::learn(point* p, int value, int a) {
    const joseki_key key = board_key(0, a);
    if (joseki_entry* known = find(key)) {
        known->moves.add(p);
        return;
    }
    joseki_entry& fresh = entries_.emplace_front();
    fresh.key = key;
    fresh.value = value;
    fresh.moves.add(p);
    index_.emplace(key, &fresh);
}

void joseki_library::lookup(point_set& j, int a) {
    for (int t = 0; t < 8; ++t) {
        joseki_entry* entry = find(board_key(t, a));
        if (entry == nullptr || entry->value == 0) continue;
        for (int i = 0; i < entry->moves.count(); ++i) {
            point* p = transform(entry->moves.next(), t);
            p->joseki_value = entry->value;
            j.add(p);
        }
    }
}
