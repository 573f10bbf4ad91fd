#include "cli/BatchReader.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace Cli {

BatchReader::BatchReader(ReadFunction read, std::size_t lineLimit, std::size_t bufferSize)
    : read_(std::move(read)), limit_(lineLimit), buffer_(std::max(bufferSize, lineLimit + 2)) {}

bool BatchReader::Fill() {
    if (atEnd_) return false;
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    const std::size_t got = read_(buffer_.data() + end_, buffer_.size() - end_);
    if (got == 0) {
        atEnd_ = true;
        return false;
    }
    end_ += std::min(got, buffer_.size() - end_);
    return true;
}

BatchReader::Status BatchReader::Finish(std::size_t begin, std::size_t end,
                                        std::string_view& line) {
    ++lineNumber_;
    if (end > begin && buffer_[end - 1] == '\r') --end;
    if (end - begin > limit_) {
        line = {};
        return Status::TooLong;
    }
    line = std::string_view(buffer_.data() + begin, end - begin);
    return Status::Line;
}

BatchReader::Status BatchReader::SkipLongLine(std::string_view& line) {
    ++lineNumber_;
    line = {};
    for (;;) {
        const void* lf = std::memchr(buffer_.data() + begin_, '\n', end_ - begin_);
        if (lf != nullptr) {
            begin_ = static_cast<std::size_t>(static_cast<const char*>(lf) - buffer_.data()) + 1;
            return Status::TooLong;
        }
        begin_ = end_ = 0; // nothing of the line is kept
        if (!Fill()) return Status::TooLong;
    }
}

BatchReader::Status BatchReader::Next(std::string_view& line) {
    std::size_t searched = begin_; // bytes before this hold no LF
    for (;;) {
        const void* lf = std::memchr(buffer_.data() + searched, '\n', end_ - searched);
        if (lf != nullptr) {
            const auto at = static_cast<std::size_t>(static_cast<const char*>(lf) - buffer_.data());
            const std::size_t begin = begin_;
            begin_ = at + 1;
            return Finish(begin, at, line);
        }
        // One byte more than the limit may still be the CR of a CR LF.
        if (end_ - begin_ > limit_ + 1) return SkipLongLine(line);
        const std::size_t kept = end_ - begin_;
        if (!Fill()) {
            if (begin_ == end_) {
                line = {};
                return Status::End;
            }
            const std::size_t begin = begin_;
            begin_ = end_;
            return Finish(begin, end_, line);
        }
        searched = begin_ + kept;
    }
}

} // namespace Cli
