// metrics_http.h -- one HTTP(S) GET through libcurl, bounded in every phase
#pragma once
#include <string>

// The connection, name lookup included, and then the whole request: a server that
// cannot be found, does not take the connection or takes it and never answers costs
// the worker a few seconds at most.
constexpr long metricsConnectLimitMs = 2000;
constexpr long metricsRequestLimitMs = 5000;

struct MetricsReply {
    int status = 0;    // the HTTP status; 0 when there was no reply in time
    std::string body;  // the reply's first few hundred bytes
};

// libcurl's one-time set-up: on the main thread, before any other thread starts.
void prepareMetricsHttp();
// The reply to GET url, or status 0 when none came in time. The proxy variables
// (http_proxy, https_proxy, no_proxy) are honoured; HTTPS checks the server against
// the system's certificates.
MetricsReply metricsRequest(const std::string& url);
// The server has the report only when it answers 200 with a body that begins "Success":
// a 204, a redirect or a 200 "Fail" leave it waiting.
bool metricsDelivered(const MetricsReply& reply);

// Report texts are query fragments: key=value pairs joined by "&", keys of small
// letters, values of letters, digits, ".", "_" and "-", at most 200 characters.
bool wellFormedReport(const std::string& text);
// The text with every character outside the unreserved set, "=" and "&" percent-encoded.
std::string encodedQuery(const std::string& text);
