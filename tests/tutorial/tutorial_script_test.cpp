// tutorial_script_test.cpp -- the elder's speeches and how they are wrapped in the bubble
#include "tutorial/tutorial.h"
#include "tutorial/tutorial_file.h"
#include "tutorial/tutorial_resume.h"
#include "tutorial/tutorial_script.h"
#include "tutorial/tutorial_speech.h"

#include "engine/catalogue.h"
#include "engine/clock.h"
#include "engine/platform.h"
#include "engine/toolkit.h"
#include "support/harness.h"
#include "tutorial/tutorial_state.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

int width(const std::string& s) {
    sf::Text measure(sf::String(s), defaultFont, 14);
    return static_cast<int>(measure.getLocalBounds().width);
}

bool oneOf(Step step, std::initializer_list<Step> steps) {
    return std::find(steps.begin(), steps.end(), step) != steps.end();
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : " ") + line;
    return text;
}

// The ink of every speech of the script, each drawn by the game over a clear view
// with the bubble hidden, all on one picture.
std::vector<sf::Vector2i> inkOfEverySpeech(Harness& h) {
    colourSprite("speech bubble", sf::Color::Transparent);
    drawTarget().clear(sf::Color::Transparent);
    for (const StepRow& row : stepTable())
        for (bool touch : {false, true})
            for (bool newPlayer : {false, true}) {
                std::vector<std::string> speech = elderSpeech(row.step, touch, newPlayer);
                if (!speech.empty()) drawSpeech(speech, !speechIsPreset(row.step));
            }
    colourSprite("speech bubble", sf::Color::White);
    sf::Image picture = h.screenshot();
    std::vector<sf::Vector2i> ink;
    for (int y = 0; y < 600; y++)
        for (int x = 0; x < 1000; x++)
            if (picture.getPixel(x, y).a > 0) ink.push_back({x, y});
    return ink;
}

// The picture a speech of no words leaves: the bubble alone.
sf::Image bubbleAlone(Harness& h) {
    drawTarget().clear(sf::Color::Transparent);
    drawSpeech({""}, true);
    return h.screenshot();
}

sf::Image elderTurnedBy(Harness& h, double degrees) {
    tutorial.elderAngle = degrees;
    tutorial.elderSpin = 0;
    tutorial.elderSpinChanged = nowMs();
    tutorial.elderAlpha = 255;
    drawTarget().clear(sf::Color::Transparent);
    drawElder();
    return h.screenshot();
}

// Plain parchment, light and opaque; the wooden frame, its dark outline and the
// leaves are all darker.
bool onParchment(sf::Color c) { return c.a == 255 && c.r > 200 && c.g > 180 && c.b > 140; }

}  // namespace

// A line takes the next word while it is still narrower than 380 px, so it ends with
// the first word that reaches 380 and may run one word past it; no word is lost or
// reordered.
TEST(TutorialSpeech, WrappingTakesWordsWhileTheLineIsNarrowerThan380) {
    Harness h;
    h.boot();
    int pastTheLimit = 0;
    for (const StepRow& row : stepTable()) {
        int step = stepNumber(row.step);
        for (bool touch : {false, true}) {
            std::vector<std::string> speech = elderSpeech(row.step, touch, true);
            if (speech.empty() || speechIsPreset(row.step)) continue;
            std::vector<std::string> lines = wrapSpeech(speech[0], 380);
            EXPECT_EQ(joined(lines), speech[0]) << "step " << step;
            EXPECT_LE(lines.size(), 4u) << "step " << step << " overflows the bubble";
            for (size_t i = 0; i < lines.size(); i++) {
                size_t cut = lines[i].rfind(' ');
                std::string before = cut == std::string::npos ? "" : lines[i].substr(0, cut);  // all but the last word
                EXPECT_LT(width(before), 380) << "step " << step << " line " << i << " took a word when full";
                bool last = i + 1 == lines.size();
                EXPECT_TRUE(last || width(lines[i]) >= 380) << "step " << step << " line " << i << " ended early";
                pastTheLimit += width(lines[i]) > 380;
            }
        }
    }
    EXPECT_GT(pastTheLimit, 0) << "some line runs one word past 380";
}

TEST(TutorialScript, EveryTextStepSpeaksAndSilentStepsWaitForAnAction) {
    for (const StepRow& row : stepTable()) {
        bool speaks = !elderSpeech(row.step, false, true).empty();
        EXPECT_TRUE(!row.waitsForEnter || speaks) << "text step " << stepNumber(row.step) << " says nothing";
        bool silent = oneOf(row.step, {Step::Arrival, Step::ElderAppears, Step::Chopping, Step::Mining, Step::Fish,
                                       Step::FireCatching, Step::Cooking, Step::CookingAgain, Step::Smithing,
                                       Step::Complete}) || row.neverEntered;
        EXPECT_FALSE(silent && speaks) << "step " << stepNumber(row.step) << " is silent";
    }
    EXPECT_FALSE(stepRow(Step::Unused21).waitsForEnter);
    EXPECT_FALSE(stepRow(Step::Unused58).waitsForEnter);
}

TEST(TutorialScript, PresetSpeechesKeepTheirLinesAndTouchDropsTheEKey) {
    EXPECT_EQ(elderSpeech(Step::WalkRight, false, true).size(), 2u);
    EXPECT_EQ(elderSpeech(Step::WalkRight, true, true).size(), 1u);
    std::vector<std::string> keyboard = elderSpeech(Step::OpenBag, false, true), touch = elderSpeech(Step::OpenBag, true, true);
    ASSERT_EQ(keyboard.size(), 4u);
    ASSERT_EQ(touch.size(), 3u);
    EXPECT_EQ(keyboard[2], "inventory by clicking on the icon or pressing the E key.");
    EXPECT_EQ(touch[2], "inventory by tapping the icon. Try that now.");
    EXPECT_EQ(elderSpeech(Step::OpenAnvil, false, true).size(), 3u);
}

TEST(TutorialScript, TheExitSpeechDependsOnWhetherTheMissionIsAhead) {
    EXPECT_EQ(elderSpeech(Step::ExitButton, false, true)[0].rfind("If you need a break from your mission, click here", 0), 0u);
    EXPECT_EQ(elderSpeech(Step::ExitButton, true, true)[0].rfind("If you need a break from your mission, tap here", 0), 0u);
    EXPECT_EQ(elderSpeech(Step::ExitButton, false, false)[0].rfind("If you would like to quit the tutorial, click here", 0), 0u);
    EXPECT_EQ(elderSpeech(Step::ExitButton, true, false)[0].rfind("If you would like to quit the tutorial, tap here", 0), 0u);
}

// Every line of the script lies on the bubble's parchment with at least 8 px of it
// before the frame, and the elder, standing in front of the bubble, covers neither a
// letter nor those 8 px while he rocks up to 20 degrees either way.
TEST(TutorialSpeech, EveryLineLiesOnParchmentAndTheRockingElderHidesNone) {
    Harness h;
    h.boot();
    std::vector<sf::Vector2i> ink = inkOfEverySpeech(h);
    ASSERT_GT(ink.size(), 1000u);
    constexpr int margin = 8;
    sf::Image bubble = bubbleAlone(h);
    int offParchment = 0, rightmost = 0;
    for (sf::Vector2i p : ink) {
        rightmost = std::max(rightmost, p.x);
        for (int dx = 0; dx <= margin; dx++) offParchment += !onParchment(bubble.getPixel(p.x + dx, p.y));
    }
    EXPECT_EQ(offParchment, 0) << "the speech reaches x " << rightmost;
    for (int degrees = -20; degrees <= 20; degrees += 4) {
        sf::Image elder = elderTurnedBy(h, degrees);
        int covered = 0;
        for (sf::Vector2i p : ink)
            for (int dx = 0; dx <= margin; dx++) covered += elder.getPixel(p.x + dx, p.y).a > 0;
        EXPECT_EQ(covered, 0) << "the elder turned " << degrees << " degrees covers the speech";
    }
}
