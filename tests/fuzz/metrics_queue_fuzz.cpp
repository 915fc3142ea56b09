// metrics_queue_fuzz.cpp -- any saves/mT.kv: at start-up exactly one request goes out, its
// target is well formed, and the file keeps exactly the reports the server has not taken
#include "fuzz_support.h"

#include "engine/cheats.h"
#include "engine/metrics.h"
#include "engine/metrics_http.h"
#include "engine/save_files.h"

#include <mutex>

namespace {
const std::string prefix = "http://127.0.0.1:1/gamemetrics.php?id=qzx7vbn3041tmwrkd8pyh&game=thornvale&";
std::mutex sentMutex;
std::vector<std::string> sent;
MetricsReply reply;

MetricsReply recordRequest(const std::string& url) {
    std::lock_guard<std::mutex> lock(sentMutex);
    sent.push_back(url);
    return reply;
}

// The lines the queue file holds, as the game reads them; none when it is missing.
std::vector<std::string> queuedLines() { return readSavesFile("mT.kv").value_or(std::vector<std::string>{}); }

std::string joined(const std::vector<std::string>& lines, size_t count) {
    std::string text;
    for (size_t i = 0; i < count; i++) text += (i ? "&" : "") + lines[i];
    return text;
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    enterFuzzFolder();
    prepareMetricsHttp();
    setMetricsServer("127.0.0.1", 1);
    setMetricsTransport(recordRequest);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    resetSaves({{"mT.kv", input(data, size)}, {"mC.kv", "1\n"}});
    resetProgram();
    cheats.noPost = false;
    loadReportConsent();
    // Refused, silent, a 204, a 200 "Fail", or taken.
    const MetricsReply replies[] = {{500, ""}, {0, ""}, {204, ""}, {200, "Fail"}, {200, "Success"}};
    reply = replies[size % 5];
    sent.clear();
    std::vector<std::string> waiting;
    for (const std::string& line : queuedLines())
        if (wellFormedReport(line)) waiting.push_back(line);
    if (waiting.size() > metricsQueueLimit) waiting.erase(waiting.begin(), waiting.end() - metricsQueueLimit);
    flushMetricsQueue();
    expect(waitForMetrics(10000), "the report worker never finished");
    std::vector<std::string> kept = queuedLines();
    expect(sent.size() == 1, "not exactly one request at start-up");
    expect(sent[0].rfind(prefix, 0) == 0, "a request outside the metrics page: " + sent[0]);
    if (waiting.empty()) {
        expect(sent[0] == prefix && !savedExists("mT.kv"), "a report from nothing, or a file left behind");
        expectNothingOutsideSaves();
        return 0;
    }
    std::string text = sent[0].substr(prefix.size());
    size_t count = 0;
    while (count < waiting.size() && joined(waiting, count + 1).size() <= text.size()) count++;
    expect(count >= 1, "a request without a report: " + sent[0]);
    expectSame(text, joined(waiting, count), "the request is not the waiting reports joined");
    std::vector<std::string> left(waiting.begin() + static_cast<long>(metricsDelivered(reply) ? count : 0), waiting.end());
    expect(kept == left, "the file does not keep exactly the reports the server has not taken");
    expectNothingOutsideSaves();
    return 0;
}
