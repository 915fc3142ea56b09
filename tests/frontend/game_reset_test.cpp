// game_reset_test.cpp -- a new game, a load and the tutorial each begin from the same clean state
#include "activities/fire_pit.h"
#include "activities/smithing.h"
#include "engine/app_state.h"
#include "frontend/save_game.h"
#include "inventory/checklist.h"
#include "inventory/help_page.h"
#include "inventory/inventory.h"
#include "support/harness.h"
#include "tutorial/tutorial_resume.h"
#include "world/game_session.h"
#include "world/interaction_state.h"
#include "world/kinds.h"
#include "world/mission_end.h"

#include <gtest/gtest.h>

namespace {

// The state a game abandoned halfway leaves: a fire being lit at an open window, a
// piece held at the anvil, every page open, the ending under way.
void leaveAHalfPlayedGame() {
    interaction.windowPhase = WindowPhase::Open;
    interaction.selectedKind = FirePit;
    firePit.FireState = 3;
    smithing.draggedPiece = 4;
    inventoryPanel.open = checklistPage.open = helpPage.open = true;
    session.MissionComplete = true;
    gameEnd.endStage = 12;
    gameEnd.elderAngle = 33;
}

void expectNothingLeft(const char* way) {
    EXPECT_EQ(interaction.windowPhase, WindowPhase::Closed) << way;
    EXPECT_EQ(firePit.FireState, 1) << way;
    EXPECT_EQ(smithing.draggedPiece, -1) << way;
    EXPECT_FALSE(inventoryPanel.open || checklistPage.open || helpPage.open) << way;
    EXPECT_FALSE(session.MissionComplete) << way;
    EXPECT_EQ(gameEnd.endStage, 0) << way;
    EXPECT_EQ(gameEnd.elderAngle, 33) << way << ": the ending's elder keeps turning where it was";
}

}  // namespace

TEST(GameReset, ANewGameALoadAndTheTutorialEachBeginWithNothingLeftFromTheLastGame) {
    Harness h;
    h.boot();
    leaveAHalfPlayedGame();
    h.startGame(5);
    expectNothingLeft("a new game");
    std::string saved = std::to_string(session.SaveNumber);
    leaveAHalfPlayedGame();
    raiseLoadingScreen(loadGameLoadUnits);
    ASSERT_TRUE(loadGame(saved));
    expectNothingLeft("a load");
    leaveAHalfPlayedGame();
    startTutorial();
    expectNothingLeft("the tutorial");
}
