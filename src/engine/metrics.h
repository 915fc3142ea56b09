// metrics.h -- the three reports to the metrics server (first start, new game, finished game)
//
// Reports go to one background worker that sends them in order, so the game never
// waits for the network. Each report is written to saves/mT.kv before it is sent and
// stays there until the server answers 200 with a body that begins "Success"; what
// waits there is sent again, joined into one request, at the next start. The file
// keeps the newest metricsQueueLimit reports at most, so a server that never answers
// cannot make it grow without end. A request waits a few seconds at most, and closing
// the game waits about a second at most for the worker.
#pragma once
#include <cstddef>
#include <string>

#include "engine/metrics_http.h"

constexpr size_t metricsQueueLimit = 300;  // reports kept in saves/mT.kv at most

void sendMetrics(const std::string& report);  // e.g. "newgame=true"; nothing with the noPost cheat
void flushMetricsQueue();                     // start-up: resend what could not be delivered

// The server, 127.0.0.1 port 80 unless a test points the reports at its own stub.
void setMetricsServer(const std::string& host, unsigned short port);
bool waitForMetrics(int timeoutMs);           // until every queued report was handled
bool closeMetrics();  // at exit: about a second at most; false when reports were left waiting

// A test's stand-in for the network: the reply to GET target (status 0: no reply).
// Null sends for real.
using MetricsTransport = MetricsReply (*)(const std::string& host, unsigned short port, const std::string& target);
void setMetricsTransport(MetricsTransport transport);
