// orv: the process around Cli::Main, with standard input and output in large blocks.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/SettingsFile.h"
#include "app/WindowTexts.h"
#include "cli/OrvCommand.h"
#include "lang/GEN_TEXT.h"

namespace {

int readErrno = 0; // the reason standard input ended early, or 0

std::size_t ReadInput(char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t got = read(STDIN_FILENO, buffer, size);
        if (got >= 0) return static_cast<std::size_t>(got);
        if (errno == EINTR) continue;
        readErrno = errno;
        return 0;
    }
}

// All of text, or false with the reason. With SIGPIPE ignored a closed pipe is EPIPE here.
bool WriteAll(int fd, std::string_view text, std::string& reason) {
    while (!text.empty()) {
        const ssize_t put = write(fd, text.data(), text.size());
        if (put < 0) {
            if (errno == EINTR) continue;
            reason = std::strerror(errno);
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

void WriteError(std::string_view text) {
    std::string ignored; // nowhere left to report it
    WriteAll(STDERR_FILENO, text, ignored);
}

} // namespace

int main(int argc, char** argv) {
    GEN_TEXT::InitMessages();
    WindowTexts::LoadComputeErrorTexts();

    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    Cli::Streams streams;
    streams.readInput = ReadInput;
    streams.writeOutput = [](std::string_view text, std::string& reason) {
        return WriteAll(STDOUT_FILENO, text, reason);
    };
    streams.writeError = WriteError;
    streams.flushEachLine = isatty(STDOUT_FILENO) != 0;
    int status = Cli::Main(args, streams, SettingsFile::UserSettingsPath());
    if (readErrno != 0) {
        WriteError(std::string("orv: read error: ") + std::strerror(readErrno) + "\n");
        status = Cli::exitFailedInput;
    }
    // A file system may report a failed write only when the file is closed. A standard
    // output closed from the start (EBADF) has already failed its first write, if any.
    if (close(STDOUT_FILENO) != 0 && errno != EBADF && status != Cli::exitFailedInput) {
        WriteError(std::string("orv: write error: ") + std::strerror(errno) + "\n");
        status = Cli::exitFailedInput;
    }
    return status;
}
