#pragma once

#include <cerrno>
#include <dirent.h>
#include <unistd.h>

#include <utility>

// An open file descriptor, closed when its owner goes; -1 for none.
class FileHandle {
public:
    explicit FileHandle(int descriptor = -1) noexcept : m_descriptor(descriptor) {}
    FileHandle(FileHandle &&other) noexcept : m_descriptor(other.release()) {}
    FileHandle &operator=(FileHandle &&other) noexcept
    {
        reset(other.release());
        return *this;
    }
    ~FileHandle() { reset(); }

    int get() const { return m_descriptor; }
    bool isOpen() const { return m_descriptor >= 0; }
    int release() { return std::exchange(m_descriptor, -1); }
    void reset(int descriptor = -1)
    {
        if (m_descriptor >= 0)
            ::close(m_descriptor);
        m_descriptor = descriptor;
    }

private:
    int m_descriptor;
};

// A folder read entry by entry through a descriptor it takes over, also when the stream cannot
// be made (the descriptor is then closed and error() tells why); closed when its owner goes.
class FolderStream {
public:
    explicit FolderStream(FileHandle handle)
        : m_descriptor(handle.get()), m_stream(::fdopendir(m_descriptor)), m_error(m_stream ? 0 : errno)
    {
        if (m_stream)
            handle.release();
    }
    FolderStream(const FolderStream &) = delete;
    FolderStream &operator=(const FolderStream &) = delete;
    ~FolderStream()
    {
        if (m_stream)
            ::closedir(m_stream);
    }

    DIR *stream() const { return m_stream; }
    int descriptor() const { return m_descriptor; }
    int error() const { return m_error; }

private:
    int m_descriptor;
    DIR *m_stream;
    int m_error;
};
