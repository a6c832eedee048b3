// winkirvo [FILE.sgf]: the desktop program.
#include "ui/winkirvo_app.h"

int main(int argc, char** argv) {
    // The program's own application object: nothing else would pull it out
    // of the library, and the toolkit would start a bare one.
    wxApp::SetInstance(new CWinKirvoApp);
    return wxEntry(argc, argv);
}
