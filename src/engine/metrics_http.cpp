// metrics_http.cpp -- one GET through libcurl on the report worker, bounded in every phase
#include "engine/metrics_http.h"

#include <curl/curl.h>

#include <algorithm>
#include <mutex>

namespace {

constexpr std::size_t replyLimit = 512;  // "Success" is all the game looks for

// Keeps the start of the body and reads the rest away, so the server sees a whole reply.
size_t keepReplyStart(char* data, size_t size, size_t count, void* user) {
    auto* body = static_cast<std::string*>(user);
    size_t bytes = size * count;
    if (body->size() < replyLimit) body->append(data, std::min(bytes, replyLimit - body->size()));
    return bytes;
}

bool isSmallLetter(char c) { return c >= 'a' && c <= 'z'; }
bool isValueCharacter(char c) {
    return isSmallLetter(c) || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '_' || c == '-';
}

bool wellFormedPair(const std::string& pair) {
    std::size_t equals = pair.find('=');
    if (equals == 0 || equals == std::string::npos) return false;
    for (std::size_t i = 0; i < pair.size(); i++) {
        bool ok = i < equals ? isSmallLetter(pair[i]) : i == equals || isValueCharacter(pair[i]);
        if (!ok) return false;
    }
    return true;
}

}  // namespace

void prepareMetricsHttp() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

MetricsReply metricsRequest(const std::string& url) {
    CURL* curl = curl_easy_init();
    if (!curl) return {};
    MetricsReply reply;
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);  // on a worker thread: no alarm signal for timeouts
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, metricsConnectLimitMs);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, metricsRequestLimitMs);
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "Thornvale");
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, keepReplyStart);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &reply.body);
    long status = 0;
    if (curl_easy_perform(curl) == CURLE_OK) curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    curl_easy_cleanup(curl);
    reply.status = static_cast<int>(status);
    return reply;
}

bool metricsDelivered(const MetricsReply& reply) { return reply.status == 200 && reply.body.rfind("Success", 0) == 0; }

bool wellFormedReport(const std::string& text) {
    if (text.empty() || text.size() > 200) return false;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = text.find('&', start);
        if (!wellFormedPair(text.substr(start, end == std::string::npos ? std::string::npos : end - start)))
            return false;
        if (end == std::string::npos) return true;
        start = end + 1;
    }
}

std::string encodedQuery(const std::string& text) {
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (isValueCharacter(c) || c == '~' || c == '=' || c == '&') {
            out += c;
        } else {
            out += '%';
            out += hex[byte >> 4];
            out += hex[byte & 15];
        }
    }
    return out;
}
