// orv: the process around Cli::Main, with standard input and output in large blocks.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include "app/SettingsFile.h"
#include "app/WindowTexts.h"
#include "cli/OrvCommand.h"
#include "lang/GEN_TEXT.h"

namespace {

bool readFailed = false;

std::size_t ReadInput(char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t got = read(STDIN_FILENO, buffer, size);
        if (got >= 0) return static_cast<std::size_t>(got);
        if (errno == EINTR) continue;
        readFailed = true;
        return 0;
    }
}

void WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t put = write(fd, text.data(), text.size());
        if (put < 0) {
            if (errno == EINTR) continue;
            return; // a closed pipe ends the process through SIGPIPE; anything else is lost
        }
        text.remove_prefix(static_cast<std::size_t>(put));
    }
}

} // namespace

int main(int argc, char** argv) {
    GEN_TEXT::InitMessages();
    WindowTexts::LoadComputeErrorTexts();

    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    Cli::Streams streams;
    streams.readInput = ReadInput;
    streams.writeOutput = [](std::string_view text) { WriteAll(STDOUT_FILENO, text); };
    streams.writeError = [](std::string_view text) { WriteAll(STDERR_FILENO, text); };
    streams.flushEachLine = isatty(STDOUT_FILENO) != 0;
    int status = Cli::Main(args, streams, SettingsFile::UserSettingsPath());
    if (readFailed) {
        WriteAll(STDERR_FILENO, "orv: standard input could not be read\n");
        status = Cli::exitFailedInput;
    }
    return status;
}
