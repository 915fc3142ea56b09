// metrics_http.cpp -- a minimal HTTP/1.0 GET on an SFML socket, waiting a few seconds at most
#include "engine/metrics_http.h"

#include <SFML/Network.hpp>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

bool sendAll(sf::TcpSocket& socket, const std::string& data) {
    std::size_t sent = 0;
    while (sent < data.size()) {
        std::size_t now = 0;
        sf::Socket::Status status = socket.send(data.data() + sent, data.size() - sent, now);
        if (status != sf::Socket::Done && status != sf::Socket::Partial) return false;
        sent += now;
    }
    return true;
}

// "HTTP/1.1 204 No Content" gives 204; anything else gives 0.
int statusOf(const std::string& line) {
    if (line.rfind("HTTP/", 0) != 0) return 0;
    std::size_t space = line.find(' ');
    if (space == std::string::npos || line.size() < space + 4) return 0;
    int status = 0;
    for (std::size_t i = space + 1; i < space + 4; i++) {
        if (line[i] < '0' || line[i] > '9') return 0;
        status = status * 10 + (line[i] - '0');
    }
    return status;
}

constexpr std::size_t replyLimit = 1024;  // enough for the headers and the start of the body

// The reply until the server closes the connection, the time is up or it is long enough.
std::string readReply(sf::TcpSocket& socket, Clock::time_point deadline) {
    sf::SocketSelector selector;
    selector.add(socket);
    std::string reply;
    while (reply.size() < replyLimit) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0 || !selector.wait(sf::milliseconds(static_cast<sf::Int32>(left)))) break;
        char buffer[512];
        std::size_t received = 0;
        if (socket.receive(buffer, sizeof buffer, received) != sf::Socket::Done) break;
        reply.append(buffer, received);
    }
    return reply;
}

MetricsReply parsedReply(const std::string& reply) {
    std::size_t headersEnd = reply.find("\r\n\r\n");
    std::string body = headersEnd == std::string::npos ? "" : reply.substr(headersEnd + 4);
    return {statusOf(reply.substr(0, reply.find("\r\n"))), body};
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

MetricsReply metricsRequest(const std::string& host, unsigned short port, const std::string& target) {
    sf::IpAddress address(host);
    sf::TcpSocket socket;
    if (address == sf::IpAddress::None ||
        socket.connect(address, port, sf::milliseconds(metricsConnectLimitMs)) != sf::Socket::Done)
        return {};
    auto deadline = Clock::now() + std::chrono::milliseconds(metricsReplyLimitMs);
    std::string request = "GET " + target + " HTTP/1.0\r\nHost: " + host + "\r\nConnection: close\r\n\r\n";
    if (!sendAll(socket, request)) return {};
    return parsedReply(readReply(socket, deadline));
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
