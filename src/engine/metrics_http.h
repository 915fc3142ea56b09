// metrics_http.h -- one HTTP GET with a bounded wait for the connection and the reply
#pragma once
#include <string>

constexpr int metricsConnectLimitMs = 2000;  // a server that does not take the connection
constexpr int metricsReplyLimitMs = 3000;    // a server that takes it and never answers

// The HTTP status of the reply to GET target, or 0 when there is no reply in time.
int metricsRequestStatus(const std::string& host, unsigned short port, const std::string& target);

// Report texts are query fragments: key=value pairs joined by "&", keys of small
// letters, values of letters, digits, ".", "_" and "-", at most 200 characters.
bool wellFormedReport(const std::string& text);
// The text with every character outside the unreserved set, "=" and "&" percent-encoded.
std::string encodedQuery(const std::string& text);
