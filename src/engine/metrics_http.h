// metrics_http.h -- one HTTP GET with a bounded wait for the connection and the reply
#pragma once
#include <string>

constexpr int metricsConnectLimitMs = 2000;  // a server that does not take the connection
constexpr int metricsReplyLimitMs = 3000;    // a server that takes it and never answers

struct MetricsReply {
    int status = 0;    // the HTTP status; 0 when there was no reply in time
    std::string body;  // the reply's first few hundred bytes
};

// The reply to GET target, or status 0 when none came in time.
MetricsReply metricsRequest(const std::string& host, unsigned short port, const std::string& target);
// The server has the report only when it answers 200 with a body that begins "Success":
// a 204, a redirect or a 200 "Fail" leave it waiting.
bool metricsDelivered(const MetricsReply& reply);

// Report texts are query fragments: key=value pairs joined by "&", keys of small
// letters, values of letters, digits, ".", "_" and "-", at most 200 characters.
bool wellFormedReport(const std::string& text);
// The text with every character outside the unreserved set, "=" and "&" percent-encoded.
std::string encodedQuery(const std::string& text);
