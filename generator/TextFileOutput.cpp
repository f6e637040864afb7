#include "generator/TextFileOutput.h"

#include "generator/CrLf.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace merix {

namespace {

std::string failure(const std::string& path, int err) {
    return "Unable to write the command file " + path + ": " + std::strerror(err) + ".";
}

mode_t newFileMode(const std::string& path) {
    // Keep the permissions of the file we replace; a new file gets the usual ones.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
        return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

TextFileOutput::~TextFileOutput() {
    discard();
}

std::string TextFileOutput::create(const std::string& path) {
    discard();
    m_path = path;
    m_tempPath = path + ".XXXXXX";
    m_error = 0;
    m_fd = ::mkstemp(m_tempPath.data());
    if (m_fd < 0) {
        const int err = errno;
        m_tempPath.clear();
        return "Unable to create the command file " + path + ": " + std::strerror(err) + ".";
    }
    ::fchmod(m_fd, newFileMode(path));
    return {};
}

void TextFileOutput::write(std::string_view text) {
    // A slice at a time into a buffer with room for the worst case, a CR before every
    // byte, so a long text never needs a copy twice its size.
    if (m_converted.empty())
        m_converted.resize(2 * kSlice + kCrLfSlack);
    while (!text.empty()) {
        const std::string_view slice = text.substr(0, kSlice);
        text.remove_prefix(slice.size());
        writeRaw(std::string_view(m_converted.data(), copyWithCrLf(slice, m_converted.data())));
    }
}

void TextFileOutput::writeRaw(std::string_view bytes) {
    while (m_fd >= 0 && m_error == 0 && !bytes.empty()) {
        const ssize_t n = ::write(m_fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno != EINTR)
                m_error = errno;
            continue;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
}

std::string TextFileOutput::commit() {
    if (m_fd < 0)
        return failure(m_path, EBADF);
    int err = m_error;
    if (err == 0 && ::fsync(m_fd) != 0)
        err = errno;
    if (::close(m_fd) != 0 && err == 0)
        err = errno;
    m_fd = -1;
    if (err == 0 && ::rename(m_tempPath.c_str(), m_path.c_str()) != 0)
        err = errno;
    if (err != 0) {
        ::unlink(m_tempPath.c_str());
        m_tempPath.clear();
        return failure(m_path, err);
    }
    m_tempPath.clear();
    return {};
}

void TextFileOutput::discard() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_tempPath.empty()) {
        ::unlink(m_tempPath.c_str());
        m_tempPath.clear();
    }
}

} // namespace merix
