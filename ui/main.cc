// winkirvo [FILE.sgf]: the desktop program.
#include <wx/app.h>

int main(int argc, char** argv) {
    return wxEntry(argc, argv);
}
