// dispatch_test.cpp -- keys act by the key pressed, whatever character it types, and the
// arrow keys walk as A and D do, in a game and in the tutorial
#include "game/dispatch.h"
#include "inventory/checklist.h"
#include "inventory/inventory.h"
#include "tutorial/tutorial_play.h"

namespace {

void pressWithControl(sf::Keyboard::Key key) {
    sf::Event event;
    event.type = sf::Event::KeyPressed;
    event.key = {key, false, true, false, false};
    handleWindowEvent(event);
}

// Holds the key until the wisp has walked a few steps, and returns how far it went.
int walkWith(Harness& h, sf::Keyboard::Key key) {
    int from = session.player.playerX;
    h.holdKey(key);
    h.step(4);
    return session.player.playerX - from;
}

// A held arrow walks no more once the window has lost and regained the focus.
void expectFocusLossLetsGo(Harness& h) {
    h.setFocus(false);
    h.step();
    h.setFocus(true);
    int x = session.player.playerX;
    h.step(4);
    EXPECT_EQ(session.player.playerX, x) << "losing the focus lets go of a held arrow";
}

}  // namespace

TEST(Dispatch, KeysActByTheKeyPressedAndTheArrowsWalkLikeAAndD) {
    {
        Harness h({.saves = {settingsFile()}});
        h.boot();
        h.standInGame(5);
        h.step();
        h.pressKey(sf::Keyboard::E, 'E');         // Caps Lock on
        EXPECT_TRUE(inventoryPanel.open);
        h.pressKey(sf::Keyboard::Q, 'Q', true);   // with Shift
        EXPECT_TRUE(checklistPage.open);
        h.pressKey(sf::Keyboard::E, 0x443);       // a Cyrillic layout types "u" on E
        EXPECT_FALSE(inventoryPanel.open) << "one press, one toggle, whatever it types";
        h.pressKey(sf::Keyboard::Unknown, 'q');   // a "q" from a key that is not Q
        EXPECT_TRUE(checklistPage.open) << "a character alone is not a key";
        pressWithControl(sf::Keyboard::Q);
        EXPECT_TRUE(checklistPage.open) << "Ctrl+Q is the desktop's, not the game's";

        EXPECT_EQ(walkWith(h, sf::Keyboard::Right), 28);
        h.releaseKey(sf::Keyboard::Right);
        EXPECT_EQ(walkWith(h, sf::Keyboard::Left), -28);
        h.releaseKey(sf::Keyboard::Left);
        EXPECT_EQ(walkWith(h, sf::Keyboard::W), 0) << "another key held is no walk";
        h.releaseKey(sf::Keyboard::W);
        walkWith(h, sf::Keyboard::Right);
        expectFocusLossLetsGo(h);
        h.releaseKey(sf::Keyboard::Right);
    }
    {
        // The tutorial: Enter goes on from the elder's words; the walking lesson takes arrows.
        Harness h(newPlayer(tutorialFile(2, 100)));
        pressPlay(h);
        for (int i = 0; i < 400 && !promptReady(); i++) h.step();
        h.pressKey(sf::Keyboard::Enter);
        h.step();
        EXPECT_EQ(tutorialStepNow(), 3);
        for (int i = 0; i < 400 && !promptReady(); i++) h.step();
        h.pressKey(sf::Keyboard::Unknown, 13);
        h.step();
        EXPECT_EQ(tutorialStepNow(), 3) << "the Enter character alone does not go on";
        continueWhenReady(h);
        ASSERT_EQ(tutorialStepNow(), 4);
        h.holdKey(sf::Keyboard::Right);
        stepUntil(h, 5, 80);
        expectFocusLossLetsGo(h);
        h.releaseKey(sf::Keyboard::Right);
        h.holdKey(sf::Keyboard::Left);
        stepUntil(h, 6, 80);
        h.releaseKey(sf::Keyboard::Left);
    }
}
