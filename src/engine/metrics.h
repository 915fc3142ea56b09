// metrics.h -- the three reports to the metrics server (first start, new game, finished
// game), made only when the player has agreed to them
//
// Nothing is kept or sent unless the player ticked "Send anonymous play reports" (the
// answer is kept in saves/mC.kv), the game was built with a server's address, and the
// noPost cheat is off. Reports then go to one background worker that sends them in
// order, so the game never waits for the network. Each report is written to
// saves/mT.kv before it is sent and stays there until the server answers 200 with a
// body that begins "Success"; what waits there is sent again, joined into one request,
// at the next start. The file keeps the newest metricsQueueLimit reports at most, so a
// server that never answers cannot make it grow without end. A request waits a few
// seconds at most, and closing the game waits about a second at most for the worker.
#pragma once
#include "engine/metrics_http.h"

#include <cstddef>
#include <string>

constexpr size_t metricsQueueLimit = 300;  // reports kept in saves/mT.kv at most

// The player's answer, kept in saves/mC.kv: "1" yes; anything else, or no file, no.
void loadReportConsent();          // start-up, before flushMetricsQueue
bool reportsAgreed();
void agreeToReports(bool agreed);  // kept at once; "no" deletes every report that waits

void sendMetrics(const std::string& report);  // e.g. "newgame=true"
void reportFirstStart();   // "newplayer=true" now, or when the player agrees later in this run
void flushMetricsQueue();  // start-up: resend what could not be delivered

// Where reports go, "http://host[:port]" or "https://host[:port]": the build's
// THORNVALE_METRICS_SERVER, or the environment variable of that name when it is set.
// Empty: no report is ever kept or sent.
void setMetricsServer(const std::string& address);
void setMetricsServer(const std::string& host, unsigned short port);  // a test's stub: http://host:port
bool waitForMetrics(int timeoutMs);  // until every queued report was handled
bool closeMetrics();  // at exit: about a second at most; false when reports were left waiting

// A test's stand-in for the network: the reply to GET url (status 0: no reply).
// Null sends for real.
using MetricsTransport = MetricsReply (*)(const std::string& url);
void setMetricsTransport(MetricsTransport transport);
