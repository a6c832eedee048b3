// Replays the GTP sessions of tests/regress/*.tst through the built
// winkirvo-gtp, one child process per file, started in tests/regress so that
// loadsgf finds its games by relative path.
//
// A .tst file is a GTP script.  A numbered command is a test case; the line
// after it, "#? [pattern]", holds the expected reply text (without "=" or
// "?" and the id) as a regular expression that must match the whole reply;
// "[!pattern]" expects a reply that does not match, and a "*" after the
// closing bracket marks a known failure, which is reported but does not fail
// the test.  Unnumbered commands set up positions; their replies are not
// checked.
// GCC 12 warns about its own <regex> under optimisation and sanitizers.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "gtp/gtp.h"
#include "tests/support/gtp_child.h"

namespace {

namespace fs = std::filesystem;

struct regress_case {
    std::string id;
    std::string command;
    std::string pattern;
    bool negated = false;
    bool known_failure = false;
    int reply = -1;  // index of the command's reply in the session
};

struct regress_script {
    std::string input;  // every line, as sent
    int commands = 0;   // lines that draw a reply
    std::vector<regress_case> cases;
};

regress_script parse_script(const fs::path& file) {
    regress_script script;
    std::ifstream in(file);
    // The numbered command still waiting for its expectation.
    std::optional<regress_case> numbered;
    for (std::string line; std::getline(in, line);) {
        script.input += line + "\n";
        if (line.rfind("#?", 0) == 0) {
            const size_t open = line.find('[');
            const size_t close = line.rfind(']');
            if (!numbered || open == std::string::npos || close == std::string::npos ||
                close < open) {
                ADD_FAILURE() << file << ": misplaced expectation " << line;
                continue;
            }
            const std::string pattern = line.substr(open + 1, close - open - 1);
            numbered->negated = !pattern.empty() && pattern[0] == '!';
            numbered->pattern = numbered->negated ? pattern.substr(1) : pattern;
            numbered->known_failure = line.find('*', close) != std::string::npos;
            script.cases.push_back(*numbered);
            numbered.reset();
            continue;
        }
        std::istringstream words(gtp::preprocess(line));
        std::string first;
        if (!(words >> first)) continue;
        numbered.reset();
        if (std::all_of(first.begin(), first.end(), [](char c) { return c >= '0' && c <= '9'; })) {
            numbered = regress_case{first, line, "", false, false, script.commands};
        }
        ++script.commands;
    }
    return script;
}

struct session {
    std::string output;  // standard output
    int exit_code = -1;  // -1 when the program did not end by itself
};

// Runs the program in the directory, with the options, on the input.
session run_gtp(const fs::path& directory, const std::string& input,
                const std::vector<std::string>& options = {}) {
    const fs::path input_file =
        fs::temp_directory_path() / ("winkirvo_regress_" + std::to_string(getpid()));
    std::ofstream(input_file) << input;
    // The whole script comes from a file, so that a long one cannot block
    // on a full pipe while its replies are not yet read.
    const int in = open(input_file.c_str(), O_RDONLY);
    int out[2];
    if (in < 0 || pipe(out) != 0) return {};
    const pid_t child = test::start_gtp(options, directory.string(), in, out[1], 120);
    close(in);
    close(out[1]);
    session s;
    char buffer[4096];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        s.output.append(buffer, n);
    close(out[0]);
    int status = 0;
    waitpid(child, &status, 0);
    fs::remove(input_file);
    if (WIFEXITED(status)) s.exit_code = WEXITSTATUS(status);
    return s;
}

// The text of each reply, in order: "=id text" or "?id text" without the
// sign and the id.
std::vector<std::string> split_replies(const std::string& output) {
    std::vector<std::string> replies;
    size_t start = 0;
    for (size_t end; (end = output.find("\n\n", start)) != std::string::npos; start = end + 2) {
        std::string reply = output.substr(start, end - start);
        size_t text = 1;
        while (text < reply.size() && reply[text] >= '0' && reply[text] <= '9')
            ++text;
        if (text < reply.size() && reply[text] == ' ') ++text;
        replies.push_back(reply.substr(std::min(text, reply.size())));
    }
    return replies;
}

std::vector<fs::path> scripts() {
    std::vector<fs::path> found;
    for (const auto& entry : fs::directory_iterator(WINKIRVO_REGRESS_DIR)) {
        if (entry.path().extension() == ".tst") found.push_back(entry.path());
    }
    std::sort(found.begin(), found.end());
    return found;
}

class Regress : public ::testing::TestWithParam<fs::path> {};

TEST_P(Regress, Script) {
    const regress_script script = parse_script(GetParam());
    ASSERT_FALSE(script.cases.empty()) << GetParam() << " has no test case";
    const session s = run_gtp(GetParam().parent_path(), script.input);
    EXPECT_EQ(s.exit_code, 0) << "winkirvo-gtp ended badly";
    const std::vector<std::string> replies = split_replies(s.output);
    ASSERT_EQ(static_cast<int>(replies.size()), script.commands) << "replies lost";
    for (const regress_case& c : script.cases) {
        const std::string& got = replies[c.reply];
        const bool matched = std::regex_match(got, std::regex(c.pattern));
        const bool passed = matched != c.negated;
        if (c.known_failure) {
            std::printf("%s %s: %s (known failure)\n", GetParam().filename().c_str(), c.id.c_str(),
                        passed ? "unexpected pass" : "still fails");
            continue;
        }
        EXPECT_TRUE(passed) << GetParam().filename() << " " << c.command << "\n  expected "
                            << (c.negated ? "not " : "") << "[" << c.pattern << "]\n  got [" << got
                            << "]";
    }
}

INSTANTIATE_TEST_SUITE_P(Gtp, Regress, ::testing::ValuesIn(scripts()),
                         [](const ::testing::TestParamInfo<fs::path>& info) {
                             return info.param.stem().string();
                         });

TEST(GtpProgram, Options) {
    const session good =
        run_gtp(WINKIRVO_REGRESS_DIR, "name\n",
                {"--seed", "5", "--depths", "1", "2", "3", "--data-dir", "nowhere"});
    EXPECT_EQ(good.output, "= WinKirvo\n\n");
    EXPECT_EQ(good.exit_code, 0);
    for (const std::vector<std::string>& bad : {std::vector<std::string>{"--seed"},
                                                {"--seed", "x"},
                                                {"--depths", "1", "2"},
                                                {"--depths", "1", "2", "-1"},
                                                {"--depths", "1001", "2", "3"},
                                                {"--bogus"}}) {
        const session refused = run_gtp(WINKIRVO_REGRESS_DIR, "name\n", bad);
        EXPECT_EQ(refused.exit_code, 2) << bad[0];
        EXPECT_EQ(refused.output, "") << bad[0];
    }
}

}  // namespace
