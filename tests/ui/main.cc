// The window tests: one application for the whole run, on the display that
// make test starts (Xvfb), with every prompt answered by the tests.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/init.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv)) return 1;
    const int result = RUN_ALL_TESTS();
    wxEntryCleanup();
    return result;
}
