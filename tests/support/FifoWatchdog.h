#pragma once
// Named pipes in place of data files. A reader that opens one blocks until a writer comes;
// should the program under test do so, the watchdog opens each pipe for writing after a
// while and closes it again, and goes on doing so for every later reader, so that the
// readers see empty files and the test fails instead of hanging.
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
            using namespace std::chrono_literals;
            while (done.wait_for(fired_ ? 100ms : 20s) != std::future_status::ready) {
                fired_ = true;
                for (const QString& path : paths_) {
                    // Succeeds only while a reader waits in open(); that reader sees the end.
                    const int fd = open(path.toLocal8Bit().constData(), O_WRONLY | O_NONBLOCK);
                    if (fd >= 0)
                        close(fd);
                }
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
