// SPDX-License-Identifier: GPL-3.0-or-later
// Reads input lines through a fixed buffer, so that memory stays bounded
// whatever the input holds: a line longer than the limit is read to its end
// but only its start is kept.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace varnock::console {

class LineReader {
public:
    // The longest line kept, in bytes, its line end not counted. One byte
    // more is kept so that a trailing carriage return can still be dropped.
    static constexpr std::size_t kMaxLineBytes = 65536;

    struct Line {
        std::string text;      // without the line feed
        bool tooLong = false;  // bytes beyond kMaxLineBytes + 1 were dropped
    };

    // Reads the file descriptor fd, which it does not close. beforeWait runs
    // before every read that may block, so that output can be flushed while
    // a person at a terminal reads it.
    explicit LineReader(int fd, std::function<void()> beforeWait = {});

    // The next line; false at the end of the input or after a read error. A
    // last line without a line feed is a line too.
    bool next(Line& line);

    // The errno of a failed read, 0 when none failed.
    int error() const { return m_error; }

private:
    bool fill();

    int m_fd;
    std::function<void()> m_beforeWait;
    std::vector<char> m_buffer;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    bool m_atEnd = false;
    int m_error = 0;
};

}  // namespace varnock::console
