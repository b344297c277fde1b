// A full disk while the object lives, for root too: no file may grow past 16 bytes (the file size
// limit, its signal ignored), so every save fails with "File too large" and old files stay.
#pragma once

#include <csignal>
#include <iostream>
#include <sys/resource.h>

namespace testsupport {

class FullDisk {
public:
    FullDisk() : handler_(std::signal(SIGXFSZ, SIG_IGN))
    {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit small = saved_;
        small.rlim_cur = 16;
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FullDisk()
    {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, handler_);
        std::cerr.clear(); // a captured standard error is a file too: it must not stay failed
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    void (*handler_)(int);
    rlimit saved_{};
};

} // namespace testsupport
