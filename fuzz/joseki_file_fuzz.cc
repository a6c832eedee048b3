// libFuzzer target: any bytes as a joseki library.  The bytes before the
// first '|' are the library file, those after it the joseki file "t" that
// the library may name.  Loading must report what it refuses and never
// crash; it must leave the engine's board empty and sound, and a lookup on
// the empty board may recommend only empty points.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "engine/base/data_files.h"
#include "engine/base/diagnostics.h"
#include "engine/engine.h"
#include "engine/knowledge/joseki_library.h"
#include "fuzz/fuzz_dir.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

void write(const std::string& path, const char* begin, const char* end) {
    std::ofstream(path, std::ios::binary).write(begin, end - begin);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static diag::quiet_scope quiet(true);
    static const std::string dir = make_fuzz_dir();
    // The engine's own libraries and networks are not in the directory:
    // it is built with neutral knowledge, once.
    static engine* e = (set_data_dir(dir), new engine());
    const char* begin = reinterpret_cast<const char*>(data);
    const char* end = begin + size;
    const char* bar = std::find(begin, end, '|');
    write(dir + "/lib", begin, bar);
    write(dir + "/t", bar == end ? end : bar + 1, end);

    joseki_library library(*e, "lib");
    require(e->no_moves == 0);
    require(e->check_position() == 0);
    point_set moves;
    library.lookup(moves, 1);
    for (point* p : moves.to_vector()) require(p == e->pass_point || p->colour == 0);
    return 0;
}
