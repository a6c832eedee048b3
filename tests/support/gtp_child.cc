#include "tests/support/gtp_child.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace test {

pid_t start_gtp(const std::vector<std::string>& options, const std::string& directory,
                int input_fd, int output_fd, unsigned seconds) {
    std::vector<char*> argv{const_cast<char*>("winkirvo-gtp")};
    for (const std::string& o : options) argv.push_back(const_cast<char*>(o.c_str()));
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid != 0) return pid;
    alarm(seconds);
    dup2(input_fd, STDIN_FILENO);
    dup2(output_fd, STDOUT_FILENO);
    const int null = open("/dev/null", O_WRONLY);
    if (null >= 0) dup2(null, STDERR_FILENO);
    // Only the three standard streams stay open in the program.
    for (int fd = STDERR_FILENO + 1; fd < 1024; ++fd) close(fd);
    if (!directory.empty() && chdir(directory.c_str()) != 0) _exit(127);
    execv(WINKIRVO_GTP_PATH, argv.data());
    _exit(127);
}

gtp_child::gtp_child(const std::vector<std::string>& options) {
    int down[2];
    int up[2];
    if (pipe(down) != 0 || pipe(up) != 0) {
        ADD_FAILURE() << "no pipes";
        return;
    }
    pid_ = start_gtp(options, "", down[0], up[1], 300);
    close(down[0]);
    close(up[1]);
    to_child_ = down[1];
    from_child_ = up[0];
}

gtp_child::~gtp_child() {
    finish();
}

gtp_child::reply gtp_child::send(const std::string& command) {
    const std::string line = command + "\n";
    if (to_child_ < 0 ||
        write(to_child_, line.data(), line.size()) != static_cast<ssize_t>(line.size())) {
        ADD_FAILURE() << "cannot send " << command;
        return {};
    }
    // A reply ends with an empty line.
    size_t end;
    while ((end = pending_.find("\n\n")) == std::string::npos) {
        char buffer[4096];
        const ssize_t n = read(from_child_, buffer, sizeof buffer);
        if (n <= 0) {
            ADD_FAILURE() << "no reply to " << command;
            return {};
        }
        pending_.append(buffer, n);
    }
    const std::string whole = pending_.substr(0, end);
    pending_.erase(0, end + 2);
    reply r;
    r.ok = !whole.empty() && whole[0] == '=';
    r.text = whole.size() > 2 ? whole.substr(2) : "";
    return r;
}

std::string gtp_child::ok(const std::string& command) {
    const reply r = send(command);
    EXPECT_TRUE(r.ok) << command << " -> " << r.text;
    return r.text;
}

int gtp_child::finish() {
    if (pid_ <= 0) return -1;
    send("quit");
    close(to_child_);
    close(from_child_);
    to_child_ = from_child_ = -1;
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace test
