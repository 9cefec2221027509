// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/LineReader.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace varnock::console {
namespace {
constexpr std::size_t kBufferBytes = 65536;
}

LineReader::LineReader(int fd, std::function<void()> beforeWait)
    : m_fd(fd), m_beforeWait(std::move(beforeWait)), m_buffer(kBufferBytes) {}

bool LineReader::fill() {
    if (m_atEnd) return false;
    if (m_beforeWait) m_beforeWait();
    for (;;) {
        const ssize_t count = ::read(m_fd, m_buffer.data(), m_buffer.size());
        if (count > 0) {
            m_begin = 0;
            m_end = static_cast<std::size_t>(count);
            return true;
        }
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) m_error = errno;
        m_atEnd = true;
        return false;
    }
}

bool LineReader::next(Line& line) {
    line.text.clear();
    line.tooLong = false;
    bool any = false;
    for (;;) {
        if (m_begin == m_end && !fill()) return any && m_error == 0;
        any = true;
        const char* start = m_buffer.data() + m_begin;
        const std::size_t available = m_end - m_begin;
        const void* feed = std::memchr(start, '\n', available);
        const std::size_t length =
            feed != nullptr ? static_cast<std::size_t>(static_cast<const char*>(feed) - start)
                            : available;
        const std::size_t room = kMaxLineBytes + 1 - line.text.size();
        line.text.append(start, std::min(length, room));
        if (length > room) line.tooLong = true;
        m_begin += length;
        if (feed != nullptr) {
            ++m_begin;
            return true;
        }
    }
}

}  // namespace varnock::console
