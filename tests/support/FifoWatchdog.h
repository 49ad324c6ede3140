#pragma once
// Named pipes in place of data files. A reader that opens one blocks until a writer comes;
// should the program under test do so, the watchdog opens each pipe for writing after a
// while and closes it again, so that the reader sees an empty file and the test fails
// instead of hanging.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QStringList>
#include <atomic>
#include <chrono>
#include <future>
#include <thread>

class FifoWatchdog {
public:
    explicit FifoWatchdog(QStringList paths) : paths_(std::move(paths)) {
        for (const QString& path : paths_)
            mkfifo(path.toLocal8Bit().constData(), 0600);
        thread_ = std::thread([this, done = done_.get_future()] {
            if (done.wait_for(std::chrono::seconds(20)) == std::future_status::ready)
                return;
            fired_ = true;
            for (const QString& path : paths_) {
                // Succeeds only while a reader waits in open(); then the reader sees the end.
                const int fd = open(path.toLocal8Bit().constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0)
                    close(fd);
            }
        });
    }
    ~FifoWatchdog() {
        done_.set_value();
        thread_.join();
    }
    bool Fired() const { return fired_; }

private:
    QStringList paths_;
    std::promise<void> done_;
    std::atomic<bool> fired_{false};
    std::thread thread_;
};
