// metrics_test.cpp -- reports reach a stub server on loopback, or wait in saves/mT.kv
#include "engine/app_state.h"
#include "engine/cheats.h"
#include "engine/input.h"
#include "engine/metrics.h"
#include "engine/metrics_http.h"
#include "frontend/save_list.h"
#include "support/game_process.h"
#include "support/harness.h"
#include "world/game_session.h"
#include "world/kinds.h"
#include "world/player.h"

#include <SFML/Network.hpp>
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <thread>

namespace {

// A tiny HTTP server on 127.0.0.1 that records each request target and answers
// "Success" (or a 500 when told to fail).
class StubServer {
public:
    explicit StubServer(bool succeed = true) : succeed(succeed) {
        listener.listen(sf::Socket::AnyPort, sf::IpAddress::LocalHost);
        listener.setBlocking(false);
        thread = std::thread([this] { serve(); });
    }
    ~StubServer() {
        stop = true;
        thread.join();
    }
    unsigned short port() const { return listener.getLocalPort(); }
    std::vector<std::string> targets() {
        std::lock_guard<std::mutex> lock(mutex);
        return seen;
    }

private:
    void serve() {
        while (!stop) {
            sf::TcpSocket client;
            if (listener.accept(client) != sf::Socket::Done) {
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
                continue;
            }
            client.setBlocking(true);
            char buffer[4096];
            std::size_t received = 0;
            std::string request;
            while (request.find("\r\n\r\n") == std::string::npos &&
                   client.receive(buffer, sizeof buffer, received) == sf::Socket::Done)
                request.append(buffer, received);
            std::string target = request.substr(4, request.find(' ', 4) - 4);
            {
                std::lock_guard<std::mutex> lock(mutex);
                seen.push_back(target);
            }
            std::string reply = succeed ? "HTTP/1.0 200 OK\r\nContent-Length: 7\r\n\r\nSuccess"
                                        : "HTTP/1.0 500 Oops\r\nContent-Length: 0\r\n\r\n";
            client.send(reply.data(), reply.size());
            client.disconnect();
        }
    }
    bool succeed;
    sf::TcpListener listener;
    std::atomic<bool> stop{false};
    std::mutex mutex;
    std::vector<std::string> seen;
    std::thread thread;
};

// A touch player drops the last item needed on the beaker, `seconds` into the game;
// the ending reports the finished game in its first step.
void finishTheGameByTouch(Harness& h, int seconds) {
    session.player.PlayTimer = seconds;
    resetPlayTimerReference();
    for (int k = 1; k <= 21; k++) session.ResearchLevel[k] = 100;
    session.ResearchLevel[CookedBass] = 60;
    session.Inventory[3] = CookedBass;
    touchMode = true;
    h.tap(890, 35);  // the bag
    h.step(8);
    h.moveTo(840, 170);  // the finger lands on slot 3...
    h.pressLeft();
    h.step();
    h.moveTo(840, 290);  // ...carries it to the beaker...
    h.step();
    h.releaseLeft();     // ...and lifts
    h.step();
    ASSERT_TRUE(session.MissionComplete);
    ASSERT_EQ(session.player.PlayTimer, seconds);
    h.step();
}

const std::string prefix = "/gamemetrics.php?id=qzx7vbn3041tmwrkd8pyh&game=thornvale&";

// A server on 127.0.0.1 that takes every connection and never answers.
class SilentServer {
public:
    SilentServer() {
        listener.listen(sf::Socket::AnyPort, sf::IpAddress::LocalHost);
        listener.setBlocking(false);
        thread = std::thread([this] {
            while (!stop) {
                auto client = std::make_unique<sf::TcpSocket>();
                if (listener.accept(*client) == sf::Socket::Done) held.push_back(std::move(client));
                else std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
        });
    }
    ~SilentServer() {
        stop = true;
        thread.join();
    }
    unsigned short port() const { return listener.getLocalPort(); }

private:
    sf::TcpListener listener;
    std::vector<std::unique_ptr<sf::TcpSocket>> held;  // open and unanswered
    std::atomic<bool> stop{false};
    std::thread thread;
};

// The test transport: every URL asked for, answered with `transportReply`.
std::mutex requestsMutex;
std::vector<std::string> requests;
MetricsReply transportReply{200, "Success"};

MetricsReply recordRequest(const std::string& url) {
    std::lock_guard<std::mutex> lock(requestsMutex);
    requests.push_back(url);
    return transportReply;
}

// The report texts asked for since the last look, once every report was handled.
std::vector<std::string> newRequests() {
    EXPECT_TRUE(waitForMetrics(5000));
    std::lock_guard<std::mutex> lock(requestsMutex);
    std::vector<std::string> texts;
    for (const std::string& url : requests) texts.push_back(url.substr(url.find(prefix) + prefix.size()));
    requests.clear();
    return texts;
}

using Texts = std::vector<std::string>;

// Reports go to the stub server on loopback.
template <class Server>
void reportTo(const Server& server) { setMetricsServer("127.0.0.1", server.port()); }

// A report box is filled grey while it is ticked.
bool boxTicked(Harness& h, int x, int y) { return h.pixel(x - 8, y - 8) == sf::Color(100, 100, 100); }

void showSettings(Harness& h) {
    changeScreen(GameScreen::Settings);
    h.step();
}

}  // namespace

TEST(Metrics, TheFirstStartReportsANewPlayer) {
    Harness h({.saves = {{"mC.kv", "1\n"}}});
    StubServer server;
    reportTo(server);
    h.boot();
    ASSERT_TRUE(waitForMetrics(5000));
    ASSERT_EQ(server.targets().size(), 1u);
    EXPECT_EQ(server.targets()[0], prefix + "newplayer=true");
    EXPECT_FALSE(h.fileExists("saves/mT.kv"));
    h.startGame(4);
    ASSERT_TRUE(waitForMetrics(5000));
    ASSERT_EQ(server.targets().size(), 2u);
    EXPECT_EQ(server.targets()[1], prefix + "newgame=true");
}

TEST(Metrics, UndeliveredReportsWaitAndGoOutTogetherAtTheNextStart) {
    Harness h({.saves = {{"mC.kv", "1\n"}}});
    {
        StubServer failing(false);
        reportTo(failing);
        h.boot();
        h.standInGame(4);
        ASSERT_TRUE(waitForMetrics(5000));
    }
    EXPECT_EQ(h.readFile("saves/mT.kv"), "newplayer=true\nnewgame=true\n");
    setMetricsServer("127.0.0.1", 1);  // nobody listens: refused
    finishTheGameByTouch(h, 303);
    ASSERT_TRUE(waitForMetrics(5000));
    EXPECT_EQ(h.readFile("saves/mT.kv"), "newplayer=true\nnewgame=true\ngametime=303&touchmode=true\n");

    StubServer server;
    reportTo(server);
    h.restart();
    ASSERT_TRUE(waitForMetrics(5000));
    ASSERT_EQ(server.targets().size(), 1u) << "one request for everything that waited";
    EXPECT_EQ(server.targets()[0], prefix + "newplayer=true&newgame=true&gametime=303&touchmode=true");
    EXPECT_FALSE(h.fileExists("saves/mT.kv"));
}

TEST(Metrics, NoPostSendsNothingAndDropsWhatWaited) {
    Harness h({.saves = {{"ch.eat", "noPost = true\n"}, {"mT.kv", "a=1\nb=2\n"}, {"mC.kv", "1\n"}}});
    StubServer server;
    reportTo(server);
    h.boot();
    h.startGame(2);
    ASSERT_TRUE(waitForMetrics(5000));
    EXPECT_TRUE(server.targets().empty());
    EXPECT_FALSE(h.fileExists("saves/mT.kv")) << "read and deleted at start, never sent";
    EXPECT_TRUE(cheats.noPost);
}

// A file saved with CR LF line ends: the CR belongs to the line end, not the line.
TEST(Metrics, CheatLinesEndingInCrLfAreRecognised) {
    Harness h({.saves = {{"ch.eat", "windy = true\r\nnoPost = true\r\nhideTimer = true \r\n"}}});
    h.boot();
    EXPECT_TRUE(cheats.windy);
    EXPECT_TRUE(cheats.noPost);
    EXPECT_FALSE(cheats.hideTimer) << "a trailing space is still a near miss";
}

TEST(Metrics, CheatLinesMustMatchExactly) {
    Harness h({.saves = {{"ch.eat", "Windy = true\nwindy=true\nwindy = true \nwindy = false\ndizzySpin = true\n"}}});
    h.boot();
    EXPECT_FALSE(cheats.windy);
    EXPECT_TRUE(cheats.dizzySpin);
    EXPECT_FALSE(cheats.noPost);
}

TEST(Metrics, ASilentServerNeitherStallsTheWorkerNorLosesAReport) {
    Harness h({.saves = {{"mC.kv", "1\n"}}});
    SilentServer silent;
    reportTo(silent);
    h.boot();
    sendMetrics("newgame=true");
    EXPECT_EQ(h.readFile("saves/mT.kv"), "newplayer=true\nnewgame=true\n")
        << "written before it is sent: closing the game now loses nothing";
    EXPECT_FALSE(closeMetrics()) << "closing does not wait for a server that never answers";
    ASSERT_TRUE(waitForMetrics(30000)) << "every request gives up after a few seconds";
    EXPECT_EQ(h.readFile("saves/mT.kv"), "newplayer=true\nnewgame=true\n");

    StubServer server;
    reportTo(server);
    h.restart();
    ASSERT_TRUE(waitForMetrics(5000));
    ASSERT_EQ(server.targets().size(), 1u);
    EXPECT_EQ(server.targets()[0], prefix + "newplayer=true&newgame=true");
    EXPECT_FALSE(h.fileExists("saves/mT.kv")) << "taken out only once the server had them";
}

TEST(Metrics, OnlyWellFormedReportLinesAreSent) {
    Harness h({.saves = {{"mC.kv", "1\n"}, {"sL.kv", "1\n"}, {"mT.kv", "a b\n../../x\n%zz=1\nnewgame=true\nkey=\xff\n=1\ngametime=5&touchmode=false\n"}}});
    StubServer server;
    reportTo(server);
    h.boot();
    ASSERT_TRUE(waitForMetrics(5000));
    ASSERT_EQ(server.targets().size(), 1u);
    EXPECT_EQ(server.targets()[0], prefix + "newgame=true&gametime=5&touchmode=false");
    EXPECT_FALSE(h.fileExists("saves/mT.kv"));
}

TEST(Metrics, AReportAppendedAfterATornLineIsAWholeLineOfItsOwn) {
    Harness h({.saves = {{"mC.kv", "1\n"}, {"sL.kv", "1\n"}, {"mT.kv", "newplayer=true\nnewga"}}});  // cut off mid-line
    setMetricsServer("127.0.0.1", 1);  // refused
    h.boot();
    ASSERT_TRUE(waitForMetrics(5000));
    sendMetrics("newgame=true");
    ASSERT_TRUE(waitForMetrics(5000));
    EXPECT_EQ(h.readFile("saves/mT.kv"), "newplayer=true\nnewgame=true\n")
        << "the torn fragment is dropped, the new report stands alone";
}

TEST(Metrics, ReportTextsAreEncodedForTheRequestTarget) {
    EXPECT_EQ(encodedQuery("a b&c=%/"), "a%20b&c=%25%2F");
    EXPECT_EQ(encodedQuery("gametime=303&touchmode=true"), "gametime=303&touchmode=true");
    EXPECT_TRUE(wellFormedReport("gametime=303&touchmode=true"));
    EXPECT_FALSE(wellFormedReport("gametime=303&"));
    EXPECT_FALSE(wellFormedReport("game time=303"));
    EXPECT_FALSE(wellFormedReport(""));
}

// The queue keeps what the server did not take, and only the newest reports; an empty
// file still gives one request with nothing after the fixed part.
TEST(Metrics, TheQueueKeepsTheNewestReportsUntilTheServerTakesThem) {
    std::string queued;
    for (size_t i = 1; i <= metricsQueueLimit + 5; i++) queued += "gametime=" + std::to_string(i) + "&touchmode=false\n";
    Harness h({.saves = {{"mC.kv", "1\n"}, {"sL.kv", "1\n"}, {"mT.kv", queued}}});
    setMetricsTransport(recordRequest);
    transportReply = {0, ""};  // no network
    h.boot();
    EXPECT_EQ(newRequests().size(), 1u);
    auto lines = splitLines(h.readFile("saves/mT.kv"));
    ASSERT_EQ(lines.size(), metricsQueueLimit) << "a longer file is cut at the start";
    EXPECT_EQ(lines.front(), "gametime=6&touchmode=false");
    transportReply = {200, "Success, thank you"};
    sendMetrics("gametime=9&touchmode=true");  // taken: out again, leaving room for one
    EXPECT_EQ(newRequests(), Texts{"gametime=9&touchmode=true"});
    for (MetricsReply reply : {MetricsReply{204, ""}, {200, "Fail"}, {201, "Success"}, {500, "Success"}}) {
        transportReply = reply;
        sendMetrics("newgame=true");
        EXPECT_EQ(newRequests(), Texts{"newgame=true"});
    }
    lines = splitLines(h.readFile("saves/mT.kv"));
    ASSERT_EQ(lines.size(), metricsQueueLimit);
    EXPECT_EQ(lines.front(), "gametime=10&touchmode=false") << "the oldest reports made room";
    EXPECT_EQ(Texts(lines.end() - 4, lines.end()), Texts(4, "newgame=true")) << "none of those four was taken";

    h.writeFile("saves/mT.kv", "");
    h.restart();
    EXPECT_EQ(newRequests(), Texts{""});
    EXPECT_FALSE(h.fileExists("saves/mT.kv"));
}

// Nothing is kept or sent until the player agrees, on the chooser or in the settings;
// "no" deletes what waits, and a build without a server never sends.
TEST(Metrics, ReportsOnlyWithThePlayersConsent) {
    Harness h;
    setMetricsTransport(recordRequest);
    transportReply = {200, "Success"};
    h.boot();  // the very first start
    h.moveTo(10, 10);
    h.step();
    EXPECT_FALSE(boxTicked(h, 354, 300)) << "off until the player ticks it";
    h.menuPress(500, 250);  // Mouse/Keyboard
    h.menuPress(500, 350);  // Confirm, the box left off
    h.startGame(4);
    EXPECT_EQ(newRequests(), Texts{});
    EXPECT_FALSE(h.fileExists("saves/mT.kv"));
    EXPECT_FALSE(h.fileExists("saves/mC.kv")) << "no file: no";

    showSettings(h);
    h.menuPress(257, 390);  // the switch, on
    EXPECT_EQ(newRequests(), Texts{"newplayer=true"}) << "the first start, once agreed to";
    transportReply = {0, ""};  // no network
    h.startGame(5);
    EXPECT_EQ(newRequests(), Texts{"newgame=true"});
    EXPECT_EQ(h.readFile("saves/mT.kv"), "newgame=true\n");
    showSettings(h);
    h.saveScreenshot("settings_reports_on");
    h.menuPress(257, 390);  // and off
    EXPECT_FALSE(h.fileExists("saves/mT.kv")) << "turning it off deletes the queue";
    EXPECT_EQ(h.readFile("saves/mC.kv"), "0\n");
    h.startGame(6);
    EXPECT_EQ(newRequests(), Texts{});

    h.restart();  // asked again; the player agrees on the chooser, by the box's label
    h.menuPress(480, 300);
    h.moveTo(10, 10);
    h.step();
    h.saveScreenshot("chooser_reports_ticked");
    EXPECT_TRUE(boxTicked(h, 354, 300));
    EXPECT_FALSE(reportsAgreed()) << "not before Confirm";
    h.menuPress(500, 350);
    EXPECT_EQ(h.readFile("saves/mC.kv"), "1\n");
    h.startGame(7);
    EXPECT_EQ(newRequests(), Texts{"newgame=true"});
    setMetricsServer("");  // a build without a server's address
    h.startGame(8);
    EXPECT_EQ(newRequests(), Texts{});
}

// The game itself, pointed at a stub by the environment, sends through libcurl.
TEST(Metrics, TheEnvironmentPointsTheGameAtAServer) {
    TempFolder run, start;
    std::filesystem::create_directory_symlink(THORNVALE_ASSETS_DIR, run.path + "/assets");
    std::filesystem::copy_file(THORNVALE_GAME_BINARY, run.path + "/thornvale");
    std::filesystem::create_directory(run.path + "/saves");
    std::ofstream(run.path + "/saves/mC.kv") << "1\n";
    StubServer server;
    GameProcess game(run.path + "/thornvale", start.path,
                     {"THORNVALE_METRICS_SERVER=http://127.0.0.1:" + std::to_string(server.port())});
    for (int wait = 0; wait < 300 && server.targets().empty(); wait++)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    game.stop();
    ASSERT_EQ(server.targets(), std::vector<std::string>{prefix + "newplayer=true"}) << game.errors();
}
