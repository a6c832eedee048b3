// The window tests: one application object for the whole run, on the
// display that make test starts (Xvfb).  The tests that need the main
// window start it themselves; every prompt is answered by the tests.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/image.h>
#include <wx/init.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // The program's own application object, without its start-up.
    if (!wxEntryStart(argc, argv)) return 1;
    wxInitAllImageHandlers();
    // A failed toolkit check fails the test instead of waiting for a person.
    wxSetAssertHandler([](const wxString& file, int line, const wxString&, const wxString& cond,
                          const wxString& message) {
        ADD_FAILURE_AT(file.utf8_str(), line) << cond << ": " << message;
    });
    const int result = RUN_ALL_TESTS();
    wxEntryCleanup();
    return result;
}
