// game_end.cpp -- when the research is complete: the items rise home in beams of light,
// the elder speaks, the wisp is taken up, credits roll and "Mission Complete" shows the score
#include "game/game_end.h"

#include "engine/app_state.h"
#include "engine/catalogue.h"
#include "engine/clock.h"
#include "engine/input.h"
#include "engine/metrics.h"
#include "engine/random.h"
#include "engine/sound.h"
#include "engine/toolkit.h"
#include "frontend/high_scores.h"
#include "inventory/checklist.h"
#include "inventory/hud.h"
#include "inventory/inventory.h"
#include "world/area_objects.h"
#include "world/game_session.h"
#include "world/kinds.h"
#include "world/player.h"

#include <algorithm>
#include <cmath>


namespace {

constexpr int32_t launchGapMs = 600;  // one item leaves the wisp every 0.6 s
constexpr int landingY = 530;

int32_t stageTime() { return nowMs() - gameEnd.stageStart; }

void startTimedStage(int stage) {
    gameEnd.endStage = stage;
    gameEnd.stageStart = nowMs();
}

// Stage 1: the time goes to the high scores and the report is sent.
void recordTheScore() {
    int seconds = session.player.PlayTimer;
    recordHighScore(seconds);
    sendMetrics("gametime=" + std::to_string(seconds) + "&touchmode=" + (touchMode ? "true" : "false"));
    gameEnd.endStage = 2;
}

// Stage 2: the wisp glides to the middle; the victory piece takes over from the music.
void glideToTheMiddle() {
    PlayerState& p = session.player;
    for (int i = 0; i < 7; i++) {
        if (p.playerX < 500) p.playerX++;
        else if (p.playerX > 500) p.playerX--;
        else break;
    }
    if (p.playerX != 500) return;
    for (FlyingItem& item : gameEnd.items) item = FlyingItem{};
    gameEnd.lastLaunch = nowMs() - 1500;
    gameEnd.endStage = 3;
    fadeTo("music", 0, 1000);
    setSoundVolume("win", 0);
    playSound("win", false);
    fadeTo("win", targetVolume("win"), 1000);
}

void launchNextItem() {
    if (nowMs() - gameEnd.lastLaunch <= launchGapMs || gameEnd.endStage > 23) return;
    FlyingItem& item = gameEnd.items[gameEnd.endStage - 3];
    item.launched = true;
    item.itemX = session.player.playerX + wisp.offsetX;
    item.itemY = session.player.playerY + wisp.offsetY;
    item.itemVX = (randomBelow(71) - 35) / 10.0;
    item.itemVY = (randomBelow(26) + 15) / 10.0;
    gameEnd.lastLaunch = nowMs();
    gameEnd.endStage++;
}

// An item arcs up and falls to the ground, a beam comes down on it, and both rise away.
void moveItem(FlyingItem& item, int index) {
    if (item.landTime == 0) {
        if (item.itemY < landingY) {
            item.itemX += item.itemVX;
            item.itemY -= item.itemVY;
            item.itemVY -= 0.25;
        } else {
            item.landTime = nowMs();
            item.itemY = landingY;
        }
    } else if (nowMs() - item.landTime <= 500) {
        if (item.itemBeamY < 250) item.itemBeamY += 50;
    } else {
        item.itemY -= 20;
        item.itemBeamY -= 15;
        if (item.itemBeamY < -350) item.launched = false;
    }
    if (item.itemBeamY != -350) drawSprite("item beam", item.itemX, item.itemBeamY);
    drawSprite(itemTextureName(index + 1), item.itemX, item.itemY);
}

void liftTheItems() {
    launchNextItem();
    bool anyLaunched = false;
    for (int i = 0; i < 21; i++) {
        if (!gameEnd.items[i].launched) continue;
        moveItem(gameEnd.items[i], i);
        anyLaunched = true;
    }
    if (anyLaunched) return;
    startTimedStage(25);
    fadeTo("win", 0, 1000);
    fadeTo("music", targetVolume("music"), 1000);
}

void rockTheElder() {
    gameEnd.elderAngle += gameEnd.elderSpin;
    if (nowMs() - gameEnd.elderSpinChanged > 2000) {
        gameEnd.elderSpin = (randomBelow(51) - 25) / 100.0;
        gameEnd.elderSpinChanged = nowMs();
    }
    rotateSprite("elder", gameEnd.elderAngle);
    drawSprite("elder", elderX, elderY);
}

// Stage 25: "Congratulations. We will take you home."
void elderSpeaks() {
    drawSprite("speech bubble", 720, 540);
    label(uiFont, 16, sf::Color::Black, AlignLeft, "Congratulations. We will take you home.", 470, 492);
    rockTheElder();
    if (stageTime() > 3000) startTimedStage(26);
}

// Stage 26: a beam comes down, carries the wisp up and withdraws while the view goes black.
void takeTheWispHome() {
    int32_t t = stageTime();
    if (t < 2700) {
        playSound("beam", false);
        drawSprite("wisp beam", 500, (t - 1600) / 2 - 300);
    } else if (t < 5700) {
        drawSprite("wisp beam", 500, 250);
        session.player.playerY = static_cast<int>(400 - (t - 2700) / 5.5);
    } else if (t < 6800) {
        drawSprite("wisp beam", 500, 250 - (t - 5700) / 2);
    }
    if (t > 5300) shadeView(std::min(255, static_cast<int>((t - 5300) / 5.88)));
    if (t >= 6800) {
        shadeView(255);
        startTimedStage(27);
    }
}

struct Credit {
    const char* role;
    const char* name;
    int offset;      // the role line starts this far below the view
    int32_t fadeAt;  // ms into the credits when the block starts to fade
};

constexpr Credit credits[3] = {
    {"Game Designer and Programmer", "The Thornvale Team", 720, 16000},
    {"Graphics Designer", "The Thornvale Team", 820, 18500},
    {"Composer/Sound Designer", "The Thornvale Team", 920, 21000},
};

// Stage 27: the title and three credit blocks rise from behind a black band.
void rollCredits() {
    int32_t t = stageTime();
    shadeView(255);
    greySprite("title", std::max(0, 255 - std::max(0, (t - 12000) / 10)));
    drawSprite("title", 550, 600 - t / 30);
    for (const Credit& credit : credits) {
        int alpha = std::clamp(255 - (t - credit.fadeAt) / 10, 0, 255);
        sf::Color white(255, 255, 255, static_cast<sf::Uint8>(alpha));
        label(defaultFont, 30, white, AlignCentre, credit.role, 500, credit.offset - t / 30);
        label(defaultFont, 25, white, AlignCentre, credit.name, 500, credit.offset + 35 - t / 30);
    }
    setFill(0, 0, 0, 255);
    fillRectCentred(500, 550, 1000, 100);
    if (t > 23500) startTimedStage(28);
}

// Stage 28: "Mission Complete", the score sliding into place, then back to the title.
void showMissionComplete() {
    int32_t t = stageTime();
    shadeView(255);
    greySprite("title", 255);
    sf::Color fadeIn(255, 255, 255, static_cast<sf::Uint8>(std::min<int32_t>(255, t / 10)));
    label(uiFont, 30, fadeIn, AlignCentre, "Mission Complete", 500, 300);
    double v = (t - 2600) / 6.25;
    std::string time = TimerText(session.player.PlayTimer);
    if (t > 2600) {
        sf::Color teal(108, 189, 189, 255);
        if (v < 320) label(uiFont, 28, teal, AlignCentre, time, 500, static_cast<int>(v + 15));
        else label(uiFont, 28, teal, AlignCentre, "Score  " + time, 500, 350);
    }
    if (highScores.newHighScore && v >= 320)
        label(uiFont, 28, sf::Color::White, AlignCentre, "New High Score!", 500, 395);
    if (t > 8000) {
        changeScreen(GameScreen::Title);
        gameEnd.endStage = 0;
        session.MissionComplete = false;
    }
}

}  // namespace

void startGameEnd() {
    giveWispToEnding();
    gameEnd.endStage = 1;
    toggleInventory(true);
    toggleChecklist(true);
}

void runGameEnd() {
    if (!session.MissionComplete) return;
    int stage = gameEnd.endStage;
    if (stage == 1) recordTheScore();
    else if (stage == 2) glideToTheMiddle();
    else if (stage >= 3 && stage <= 24) liftTheItems();
    else if (stage == 25) elderSpeaks();
    else if (stage == 26) takeTheWispHome();
    else if (stage == 27) rollCredits();
    else if (stage == 28) showMissionComplete();
}
