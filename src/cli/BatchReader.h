// Lines of a batch from any byte source, with a fixed buffer: memory stays the same for any
// number of lines and any line length. A line longer than the limit is reported as such and
// skipped to its end without being kept.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace Cli {

class BatchReader {
  public:
    // Fills buffer with up to size bytes and returns their count; 0 at the end of the input
    // (a read error ends the input too: the caller's function notes it).
    using ReadFunction = std::function<std::size_t(char* buffer, std::size_t size)>;

    static constexpr std::size_t defaultLineLimit = 4096;
    static constexpr std::size_t defaultBufferSize = std::size_t{1} << 16;

    enum class Status {
        Line,    // line holds the line, without its LF and without one CR before it
        TooLong, // the line was longer than the limit (without LF and CR); line is empty
        End      // no more input
    };

    // bufferSize is raised to lineLimit + 2 when smaller, so that a whole line always fits.
    explicit BatchReader(ReadFunction read, std::size_t lineLimit = defaultLineLimit,
                         std::size_t bufferSize = defaultBufferSize);

    // The next line; line stays valid until the next call. A last line without LF counts.
    Status Next(std::string_view& line);

    // Number of the line Next returned last, from 1.
    uint64_t LineNumber() const { return lineNumber_; }

  private:
    bool Fill(); // reads more behind the kept bytes; false at the end of the input
    Status Finish(std::size_t begin, std::size_t end, std::string_view& line);
    Status SkipLongLine(std::string_view& line);

    ReadFunction read_;
    std::size_t limit_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0; // unread bytes are buffer_[begin_, end_)
    std::size_t end_ = 0;
    bool atEnd_ = false;
    uint64_t lineNumber_ = 0;
};

} // namespace Cli
