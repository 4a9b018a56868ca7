#include "game/levels/save_folder_writer.h"

#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>

namespace game {
namespace {

// The worker lives only while there is something to write: a thread that
// has ended by the time a process forks leaves nothing behind in the child
// (the kill tests fork the game).
struct Writer {
    std::mutex mutex;
    std::condition_variable ended;
    std::optional<BackgroundWrite> waiting;
    bool running = false;  // the worker takes writes until none waits
    std::vector<BackgroundWriteResult> results;
    // Started and joined on the game's thread only.
    std::thread thread;

    // Returns once the worker has ended; the game's thread only.
    void Wait() {
        std::unique_lock lock(mutex);
        ended.wait(lock, [&] { return !running; });
        lock.unlock();
        if (thread.joinable()) thread.join();
    }

    ~Writer() { Wait(); }
};

Writer& TheWriter() {
    static Writer writer;
    return writer;
}

thread_local bool onWorker = false;

BackgroundWriteResult RunWrite(const BackgroundWrite& write) {
    try {
        return write();
    } catch (const std::exception& e) {
        return {false, e.what()};
    }
}

void Work(Writer& writer) {
    onWorker = true;
    std::unique_lock lock(writer.mutex);
    while (writer.waiting) {
        const BackgroundWrite write = std::move(*writer.waiting);
        writer.waiting.reset();
        lock.unlock();
        BackgroundWriteResult result = RunWrite(write);
        lock.lock();
        writer.results.push_back(std::move(result));
    }
    writer.running = false;
    writer.ended.notify_all();
}

}  // namespace

void WriteInBackground(BackgroundWrite write) {
    Writer& writer = TheWriter();
    std::unique_lock lock(writer.mutex);
    writer.waiting = std::move(write);
    if (writer.running) return;  // the worker takes it after its write
    writer.running = true;
    lock.unlock();
    // The worker before has left its loop; it is gone once joined.
    if (writer.thread.joinable()) writer.thread.join();
    try {
        writer.thread = std::thread(Work, std::ref(writer));
    } catch (const std::system_error&) {
        // No thread to be had: the game waits for its save instead.
        lock.lock();
        const BackgroundWrite now = std::move(*writer.waiting);
        writer.waiting.reset();
        writer.running = false;
        lock.unlock();
        BackgroundWriteResult result = RunWrite(now);
        lock.lock();
        writer.results.push_back(std::move(result));
    }
}

void WaitForSaveFolder() {
    if (!onWorker) TheWriter().Wait();
}

std::vector<BackgroundWriteResult> TakeBackgroundResults() {
    Writer& writer = TheWriter();
    const std::lock_guard lock(writer.mutex);
    return std::exchange(writer.results, {});
}

}  // namespace game
