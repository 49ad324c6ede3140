#pragma once
// Named pipes in place of data files. A reader that opens one blocks until a writer comes;
// should the program under test do so, the watchdog opens each pipe for writing after a
// while and closes it again, so that the reader sees an empty file and the test fails
// instead of hanging.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QString>
#include <QStringList>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

class FifoWatchdog {
public:
    explicit FifoWatchdog(QStringList paths) : paths_(std::move(paths)) {
        for (const QString& path : paths_)
            mkfifo(path.toLocal8Bit().constData(), 0600);
        thread_ = std::thread([this] { Watch(); });
    }
    ~FifoWatchdog() {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        woken_.notify_all();
        thread_.join();
    }
    bool Fired() const { return fired_; }

private:
    void Watch() {
        std::unique_lock lock(mutex_);
        if (woken_.wait_for(lock, std::chrono::seconds(20), [this] { return done_; }))
            return;
        fired_ = true;
        for (const QString& path : paths_) {
            // Succeeds only while a reader waits in open(); then the reader sees the end.
            const int fd = open(path.toLocal8Bit().constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0)
                close(fd);
        }
    }

    QStringList paths_;
    std::mutex mutex_;
    std::condition_variable woken_;
    bool done_ = false;
    std::atomic<bool> fired_{false};
    std::thread thread_;
};
