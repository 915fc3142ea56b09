// metrics.h -- the three reports to the metrics server (first start, new game, finished game)
//
// Reports go to one background worker that sends them in order, so the game never
// waits for the network; a report the server does not acknowledge is kept in
// saves/mT.kv and sent again, joined with the others, at the next start.
#pragma once
#include <string>

void sendMetrics(const std::string& report);  // e.g. "newgame=true"; nothing with the noPost cheat
void flushMetricsQueue();                     // start-up: resend what could not be delivered

// The server, 127.0.0.1 port 80 unless a test points the reports at its own stub.
void setMetricsServer(const std::string& host, unsigned short port);
bool waitForMetrics(int timeoutMs);           // until every queued report was handled
