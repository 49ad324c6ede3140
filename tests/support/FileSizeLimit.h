#pragma once
// Stands in for a full disk without root or a mount: while it lives, a write that would
// grow a file of this process past the limit fails (EFBIG; the signal is ignored).
#include <csignal>
#include <sys/resource.h>

struct FileSizeLimit {
    rlimit before{};
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{bytes, before.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &before); }
};
