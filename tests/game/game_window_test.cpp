// game_window_test.cpp -- the real game window under Xvfb: opened as remembered, letterboxed
// on resize, full screen on F11 and Alt+Enter, its size kept in saves/wN.kv beside sF.kv
#include "engine/letterbox.h"
#include "engine/platform.h"
#include "game/game_window.h"
#include "support/play.h"

#include <gtest/gtest.h>

namespace {

sf::Event keyPress(sf::Keyboard::Key key, bool alt = false) {
    sf::Event event;
    event.type = sf::Event::KeyPressed;
    event.key = {key, alt, false, false, false};
    return event;
}

sf::Event text(uint32_t code) {
    sf::Event event;
    event.type = sf::Event::TextEntered;
    event.text.unicode = code;
    return event;
}

sf::Event resized(unsigned w, unsigned h) {
    sf::Event event;
    event.type = sf::Event::Resized;
    event.size = {w, h};
    return event;
}

// A real window for one test; the harness's scripted target is bound again at the end.
class GameWindowTest : public ::testing::Test {
protected:
    void TearDown() override {
        window.close();
        bindScripted(&spare);
    }
    Harness h;
    sf::RenderWindow window;
    sf::RenderTexture spare;
};

}  // namespace

TEST(WindowChoice, DefaultsWithoutAFile) {
    Harness h;
    WindowChoice choice = loadWindowChoice();
    EXPECT_EQ(choice.width, 1000);
    EXPECT_EQ(choice.height, 600);
    EXPECT_FALSE(choice.fullscreen);
}

TEST(WindowChoice, SavedAndLoadedInItsOwnFile) {
    Harness h;
    h.writeFile("saves/sF.kv", settingsFile().second);
    ASSERT_TRUE(saveWindowChoice({1600, 900, true}));
    EXPECT_EQ(h.readFile("saves/wN.kv"), "1600\n900\n1\n");
    WindowChoice choice = loadWindowChoice();
    EXPECT_EQ(choice.width, 1600);
    EXPECT_EQ(choice.height, 900);
    EXPECT_TRUE(choice.fullscreen);
    EXPECT_EQ(h.readFile("saves/sF.kv"), settingsFile().second) << "the settings keep their six lines";
}

TEST(WindowChoice, ValuesOutOfRangeGiveTheDefaults) {
    Harness h;
    for (const char* bad : {"", "1600\n900\n", "0\n900\n0\n", "1600\n-5\n0\n", "1600\n900\n2\n",
                            "99999999999\n900\n0\n", "wide\ntall\nno\n", "\x01\x02\x03"}) {
        h.writeFile("saves/wN.kv", bad);
        WindowChoice choice = loadWindowChoice();
        EXPECT_EQ(choice.width, 1000) << bad;
        EXPECT_EQ(choice.height, 600) << bad;
        EXPECT_FALSE(choice.fullscreen) << bad;
    }
}

TEST(WindowChoice, F11AndAltEnterToggleButEscapeAndEnterDoNot) {
    EXPECT_TRUE(isFullscreenToggle(keyPress(sf::Keyboard::F11)));
    EXPECT_TRUE(isFullscreenToggle(keyPress(sf::Keyboard::Enter, true)));
    EXPECT_FALSE(isFullscreenToggle(keyPress(sf::Keyboard::Enter)));
    EXPECT_FALSE(isFullscreenToggle(keyPress(sf::Keyboard::Escape)));
    EXPECT_FALSE(isFullscreenToggle(text(13)));
}

TEST_F(GameWindowTest, OpensAtTheRememberedSizeLetterboxed) {
    h.writeFile("saves/wN.kv", "1000\n1000\n0\n");
    openGameWindow(window);
    ASSERT_EQ(window.getSize(), sf::Vector2u(1000, 1000));
    EXPECT_EQ(window.getView().getSize(), sf::Vector2f(1000, 600));
    EXPECT_FLOAT_EQ(window.getView().getViewport().top, 0.2f) << "200 px bars above and below";
    EXPECT_FLOAT_EQ(window.getView().getViewport().height, 0.6f);
}

TEST_F(GameWindowTest, ResizingLetterboxesAndIsRememberedOnceItSettles) {
    openGameWindow(window);
    window.setSize({1600, 600});
    EXPECT_TRUE(handleWindowChange(window, resized(1600, 600)));
    EXPECT_FLOAT_EQ(window.getView().getViewport().left, 300.0f / 1600);
    EXPECT_FLOAT_EQ(window.getView().getViewport().width, 1000.0f / 1600);
    rememberWindowWhenSettled();
    EXPECT_FALSE(h.fileExists("saves/wN.kv")) << "not while the player is still dragging";
    h.advance(windowSettleMs);
    rememberWindowWhenSettled();
    EXPECT_EQ(h.readFile("saves/wN.kv"), "1600\n600\n0\n");
}

TEST_F(GameWindowTest, AWindowDraggedTinyAndThenMadeFullScreenOpensFullScreenAgain) {
    openGameWindow(window);
    window.setSize({80, 40});
    handleWindowChange(window, resized(80, 40));
    h.advance(windowSettleMs);
    rememberWindowWhenSettled();
    EXPECT_TRUE(handleWindowChange(window, keyPress(sf::Keyboard::F11)));
    ASSERT_EQ(h.readFile("saves/wN.kv"), "80\n40\n1\n");
    WindowChoice choice = loadWindowChoice();
    EXPECT_TRUE(choice.fullscreen);
    EXPECT_EQ(choice.width, 100) << "the smallest window the game opens";
    EXPECT_EQ(choice.height, 60);
}

TEST_F(GameWindowTest, F11GoesFullScreenAtTheDesktopSizeAndBack) {
    h.writeFile("saves/wN.kv", "1200\n700\n0\n");
    openGameWindow(window);
    sf::VideoMode desktop = sf::VideoMode::getDesktopMode();
    EXPECT_TRUE(handleWindowChange(window, keyPress(sf::Keyboard::F11)));
    EXPECT_EQ(window.getSize(), sf::Vector2u(desktop.width, desktop.height));
    EXPECT_EQ(h.readFile("saves/wN.kv"), "1200\n700\n1\n") << "the window size to come back to";
    sf::FloatRect expected = letterboxView(desktop.width, desktop.height).getViewport();
    EXPECT_EQ(window.getView().getViewport(), expected);
    EXPECT_TRUE(handleWindowChange(window, keyPress(sf::Keyboard::F11)));
    EXPECT_EQ(window.getSize(), sf::Vector2u(1200, 700));
    EXPECT_EQ(h.readFile("saves/wN.kv"), "1200\n700\n0\n");
}

TEST_F(GameWindowTest, AltEnterTogglesAndItsEnterNeverReachesTheGame) {
    openGameWindow(window);
    EXPECT_TRUE(handleWindowChange(window, keyPress(sf::Keyboard::Enter, true)));
    EXPECT_EQ(h.readFile("saves/wN.kv"), "1000\n600\n1\n");
    EXPECT_TRUE(handleWindowChange(window, text(13))) << "the Enter of Alt+Enter is the window's";
    EXPECT_FALSE(handleWindowChange(window, keyPress(sf::Keyboard::Enter)));
    EXPECT_FALSE(handleWindowChange(window, text(13))) << "a plain Enter reaches the game";
    EXPECT_FALSE(handleWindowChange(window, keyPress(sf::Keyboard::Escape))) << "Esc keeps its game meaning";
    EXPECT_FALSE(handleWindowChange(window, text(27)));
}

TEST_F(GameWindowTest, AnotherKeyAfterAltEnterLetsTheNextEnterThrough) {
    openGameWindow(window);
    handleWindowChange(window, keyPress(sf::Keyboard::Enter, true));  // its text event went with the old window
    EXPECT_FALSE(handleWindowChange(window, keyPress(sf::Keyboard::Enter)));
    EXPECT_FALSE(handleWindowChange(window, text(13)));
}
