// metrics.h -- the three reports to the metrics server (first start, new game, finished game)
#pragma once
#include <string>

void sendMetrics(const std::string& report);  // e.g. "newgame=true"
void flushMetricsQueue();                     // start-up: resend what could not be delivered
