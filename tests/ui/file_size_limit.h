// Limits the size of the files this process writes for as long as it lives, so that a write past
// the limit fails as on a full disk. The signal such a write raises is ignored meanwhile: the write
// then fails with EFBIG instead of ending the test.
#pragma once

#include <csignal>
#include <sys/resource.h>

class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_before);
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_before;
        limited.rlim_cur = bytes;
        m_set = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, m_signal);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool isSet() const { return m_set; }

private:
    rlimit m_before{};
    void (*m_signal)(int) = SIG_DFL;
    bool m_set = false;
};
