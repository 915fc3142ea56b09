// metrics.cpp -- HTTP GET reports on a background worker, undelivered ones kept for later
#include "engine/metrics.h"

#include "engine/cheats.h"
#include "engine/save_files.h"

#include <SFML/Network/Http.hpp>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace {

const std::string reportTarget = "/gamemetrics.php?id=qzx7vbn3041tmwrkd8pyh&game=thornvale&";

// Never destroyed: the worker may still be waiting on it while the program exits.
struct MetricsWorker {
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<std::string> queue;  // reports not sent yet, oldest first
    bool busy = false;              // a report is being sent
    bool started = false;
    std::string host = "127.0.0.1";
    unsigned short port = 80;
};

MetricsWorker& worker() {
    static MetricsWorker* instance = new MetricsWorker;
    return *instance;
}

// The reply text is the body of a 200 reply, "error" for anything else.
std::string sendReport(const std::string& report, const std::string& host, unsigned short port) {
    sf::Http http(host, port);
    sf::Http::Request request(reportTarget + report, sf::Http::Request::Get);
    sf::Http::Response response = http.sendRequest(request, sf::seconds(10));
    return response.getStatus() == sf::Http::Response::Ok ? response.getBody() : "error";
}

void workerLoop() {
    MetricsWorker& w = worker();
    for (;;) {
        std::string report, host;
        unsigned short port;
        {
            std::unique_lock<std::mutex> lock(w.mutex);
            w.wake.wait(lock, [&] { return !w.queue.empty(); });
            report = w.queue.front();
            w.queue.pop_front();
            w.busy = true;
            host = w.host;
            port = w.port;
        }
        std::string reply = sendReport(report, host, port);
        if (reply.rfind("Success", 0) != 0) appendSavesLine("mT.kv", report);
        std::lock_guard<std::mutex> lock(w.mutex);
        w.busy = false;
        w.wake.notify_all();
    }
}

}  // namespace

void sendMetrics(const std::string& report) {
    if (cheats.noPost) return;
    MetricsWorker& w = worker();
    std::lock_guard<std::mutex> lock(w.mutex);
    if (!w.started) {
        w.started = true;
        std::thread(workerLoop).detach();
    }
    w.queue.push_back(report);
    w.wake.notify_all();
}

void flushMetricsQueue() {
    auto lines = readSavesFile("mT.kv");
    if (!lines) return;
    std::string joined;
    for (const std::string& line : *lines) joined += line + "&";
    if (joined.size() > 1) joined.pop_back();
    removeSavesFile("mT.kv");  // before the request: a report is never sent twice from the file
    sendMetrics(joined);
}

void setMetricsServer(const std::string& host, unsigned short port) {
    MetricsWorker& w = worker();
    std::lock_guard<std::mutex> lock(w.mutex);
    w.host = host;
    w.port = port;
}

bool waitForMetrics(int timeoutMs) {
    MetricsWorker& w = worker();
    std::unique_lock<std::mutex> lock(w.mutex);
    return w.wake.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                           [&] { return w.queue.empty() && !w.busy; });
}
