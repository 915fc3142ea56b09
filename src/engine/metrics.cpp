// metrics.cpp -- the player's consent, and HTTP GET reports on a background worker;
// saves/mT.kv holds each one until the server has taken it
#include "engine/metrics.h"

#include "engine/cheats.h"
#include "engine/metrics_http.h"
#include "engine/save_files.h"

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#ifndef THORNVALE_METRICS_SERVER
#define THORNVALE_METRICS_SERVER ""
#endif

namespace {

constexpr char consentFile[] = "mC.kv";
constexpr char reportTarget[] = "/gamemetrics.php?id=qzx7vbn3041tmwrkd8pyh&game=thornvale&";
constexpr size_t joinedReportLimit = 1800;  // one start-up request stays a short URL
constexpr int closingWaitMs = 1000;         // the most that closing the game waits

struct Report {
    std::string text;                // what goes after the fixed part of the target
    std::vector<std::string> lines;  // the lines of saves/mT.kv it delivers
};

// Read and changed on the main thread only.
struct ReportConsent {
    bool agreed = false;             // saves/mC.kv says "1"
    bool firstStartWaiting = false;  // this run is the first start, and its report is not made yet
};
ReportConsent consent;

std::string builtServer() {
    const char* overridden = std::getenv("THORNVALE_METRICS_SERVER");
    return overridden ? overridden : THORNVALE_METRICS_SERVER;
}

// Never destroyed: the worker may still be sending while the program exits.
struct MetricsWorker {
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<Report> queue;  // reports not sent yet, oldest first
    bool busy = false;         // a report is being sent
    bool started = false;
    std::string server = builtServer();    // empty: reports are off
    MetricsTransport transport = nullptr;  // a test's stand-in for the network
};

MetricsWorker& worker() {
    static MetricsWorker* instance = new MetricsWorker;
    return *instance;
}

// A report the server did not take stays in saves/mT.kv for the next start.
void deliver(const Report& report, std::string server, MetricsTransport transport) {
    if (!server.empty() && server.back() == '/') server.pop_back();
    std::string url = server + reportTarget + encodedQuery(report.text);
    MetricsReply reply = transport ? transport(url) : metricsRequest(url);
    if (metricsDelivered(reply)) removeSavesLines("mT.kv", report.lines);
}

void workerLoop() {
    MetricsWorker& w = worker();
    for (;;) {
        Report report;
        std::string server;
        MetricsTransport transport;
        {
            std::unique_lock<std::mutex> lock(w.mutex);
            w.wake.wait(lock, [&] { return !w.queue.empty(); });
            report = w.queue.front();
            w.queue.pop_front();
            w.busy = true;
            server = w.server;
            transport = w.transport;
        }
        deliver(report, server, transport);
        std::lock_guard<std::mutex> lock(w.mutex);
        w.busy = false;
        w.wake.notify_all();
    }
}

void closeMetricsAtExit() { closeMetrics(); }

void enqueue(Report report) {
    MetricsWorker& w = worker();
    std::lock_guard<std::mutex> lock(w.mutex);
    if (!w.started) {
        w.started = true;
        prepareMetricsHttp();  // main has done it already, before its other threads
        std::thread(workerLoop).detach();
        std::atexit(closeMetricsAtExit);
    }
    w.queue.push_back(std::move(report));
    w.wake.notify_all();
}

// The waiting lines, oldest first, joined with "&" while they fit one short request.
Report joinedReport(const std::vector<std::string>& lines) {
    Report report;
    for (const std::string& line : lines) {
        if (!report.text.empty() && report.text.size() + 1 + line.size() > joinedReportLimit) break;
        report.text += (report.text.empty() ? "" : "&") + line;
        report.lines.push_back(line);
    }
    return report;
}

std::string metricsServer() {
    MetricsWorker& w = worker();
    std::lock_guard<std::mutex> lock(w.mutex);
    return w.server;
}

bool reportsOn() { return consent.agreed && !cheats.noPost && !metricsServer().empty(); }

// Reports not sent yet are forgotten, and the file that keeps them goes.
void dropWaitingReports() {
    {
        MetricsWorker& w = worker();
        std::lock_guard<std::mutex> lock(w.mutex);
        w.queue.clear();
    }
    removeSavesFile("mT.kv");
}

}  // namespace

void loadReportConsent() {
    auto lines = readSavesFile(consentFile);
    consent = ReportConsent{};
    consent.agreed = lines && !lines->empty() && (*lines)[0] == "1";
}

bool reportsAgreed() { return consent.agreed; }

void agreeToReports(bool agreed) {
    consent.agreed = agreed;
    replaceSavesFile(consentFile, {agreed ? "1" : "0"});
    if (!agreed) dropWaitingReports();
    else if (consent.firstStartWaiting) reportFirstStart();
}

void reportFirstStart() {
    consent.firstStartWaiting = !reportsOn();
    sendMetrics("newplayer=true");
}

// Written ahead: the report is in saves/mT.kv before it is sent.
void sendMetrics(const std::string& report) {
    if (!reportsOn() || !wellFormedReport(report)) return;
    appendSavesLine("mT.kv", report, metricsQueueLimit);
    enqueue({report, {report}});
}

// Lines that are not reports the game could have written are dropped from the file,
// and so are the oldest past the queue's limit. A file that exists always gives one
// request, even when nothing is left to send but the fixed part. With reports off
// (no consent, no server, or noPost) the file is deleted unsent.
void flushMetricsQueue() {
    auto lines = readSavesFile("mT.kv");
    if (!lines) return;
    if (!reportsOn()) {
        removeSavesFile("mT.kv");
        return;
    }
    std::vector<std::string> waiting;
    for (const std::string& line : *lines)
        if (wellFormedReport(line)) waiting.push_back(line);
    if (waiting.size() > metricsQueueLimit) waiting.erase(waiting.begin(), waiting.end() - metricsQueueLimit);
    if (waiting.empty()) removeSavesFile("mT.kv");
    else if (waiting.size() != lines->size()) replaceSavesFile("mT.kv", waiting);
    enqueue(joinedReport(waiting));
}

void setMetricsServer(const std::string& address) {
    MetricsWorker& w = worker();
    std::lock_guard<std::mutex> lock(w.mutex);
    w.server = address;
}

void setMetricsServer(const std::string& host, unsigned short port) {
    setMetricsServer("http://" + host + ":" + std::to_string(port));
}

void setMetricsTransport(MetricsTransport transport) {
    MetricsWorker& w = worker();
    std::lock_guard<std::mutex> lock(w.mutex);
    w.transport = transport;
}

// Closing the game gives a report on its way a moment to arrive; whatever is not
// delivered by then waits in saves/mT.kv.
bool closeMetrics() { return waitForMetrics(closingWaitMs); }

bool waitForMetrics(int timeoutMs) {
    MetricsWorker& w = worker();
    std::unique_lock<std::mutex> lock(w.mutex);
    return w.wake.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                           [&] { return w.queue.empty() && !w.busy; });
}
