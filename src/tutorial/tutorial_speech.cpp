// tutorial_speech.cpp -- the elder in the corner, its speech bubble with wrapped lines,
// the "continue" prompt and the bobbing arrow that points at what a lesson is about
#include "tutorial/tutorial_speech.h"

#include "engine/catalogue.h"
#include "engine/clock.h"
#include "engine/gamepad.h"
#include "engine/input.h"
#include "engine/random.h"
#include "engine/toolkit.h"
#include "tutorial/tutorial_state.h"
#include "world/area_objects.h"
#include "world/game_session.h"

#include <sstream>

namespace {

constexpr int elderSpinChangeMs = 2000;
constexpr int msPerCharacter = 16;   // reading time the elder allows per character
constexpr int promptExtraMs = 500;   // ...plus this, before Enter moves on
constexpr int wrapWidth = 380;       // a line takes words while narrower than this, px
constexpr int firstLineY = 492, lineSpacing = 25, textX = 465;

int textWidth(const std::string& s) {
    sf::Text measure(sf::String(s), defaultFont, 14);
    return static_cast<int>(measure.getLocalBounds().width);
}

void drawSpeechLine(const std::string& line, int y) {
    label(defaultFont, 14, sf::Color::Black, AlignLeft, line, textX, y);
}

void bobArrow() {
    tutorial.arrowOffset += tutorial.arrowSpeed;
    if (tutorial.arrowOffset > tutorial.arrowMaximum && tutorial.arrowSpeed > 0) tutorial.arrowSpeed = -tutorial.arrowSpeed;
    if (tutorial.arrowOffset < 0 && tutorial.arrowSpeed < 0) tutorial.arrowSpeed = -tutorial.arrowSpeed;
}

}  // namespace

// The elder turns slowly, now one way, now the other.
void drawElder() {
    tutorial.elderAngle += tutorial.elderSpin;
    if (nowMs() - tutorial.elderSpinChanged > elderSpinChangeMs) {
        tutorial.elderSpin = randomBetween(-25, 25) / 100.0;
        tutorial.elderSpinChanged = nowMs();
    }
    rotateSprite("elder", tutorial.elderAngle);
    colourSprite("elder", sf::Color(255, 255, 255, static_cast<sf::Uint8>(tutorial.elderAlpha)));
    drawSprite("elder", elderX, elderY);
}

// Words join a line while the line so far is narrower than maxWidth, so a line
// ends with the first word that reaches it and may run one word past it.
std::vector<std::string> wrapSpeech(const std::string& text, int maxWidth) {
    std::vector<std::string> lines;
    std::istringstream words(text);
    std::string word, line;
    while (words >> word) {
        if (!line.empty() && textWidth(line) >= maxWidth) {
            lines.push_back(line);
            line.clear();
        }
        line += line.empty() ? word : " " + word;
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

void drawSpeech(const std::vector<std::string>& lines, bool wrap) {
    if (lines.empty()) return;
    drawSprite("speech bubble", 720, 540);
    std::vector<std::string> shown = wrap ? wrapSpeech(lines[0], wrapWidth) : lines;
    int characters = 0;
    for (const std::string& line : lines) characters += static_cast<int>(line.size());
    tutorial.readDelay = msPerCharacter * characters;
    for (size_t i = 0; i < shown.size(); i++) drawSpeechLine(shown[i], firstLineY + lineSpacing * static_cast<int>(i));
}

void setArrow(double speed, double maximum) {
    tutorial.arrowOffset = 0;
    tutorial.arrowSpeed = speed;
    tutorial.arrowMaximum = maximum;
}

void drawArrowForStep(Step step) {
    const ArrowPlace& a = stepRow(step).arrow;
    if (a.speed == 0) return;
    bobArrow();
    rotateSprite("arrow", a.rotation);
    double o = tutorial.arrowOffset;
    drawSprite("arrow", a.x + a.dx * o, a.y + a.dy * o);
}

// The reading time counts from when the step's words were shown: not before the
// step's setup has run (a second Enter in the same pass finds it still to run), and
// not while the wisp is still walking into the lesson's area.
bool promptReady() {
    if (tutorial.stepEntered || session.player.inTransition) return false;
    return stepRow(tutorial.tutorialStep).waitsForEnter &&
           nowMs() - tutorial.stepStartTime >= tutorial.readDelay + promptExtraMs;
}

void drawContinuePrompt() {
    if (!promptReady()) return;
    const char* prompt = padInUse    ? "Press A to Continue"
                         : touchMode ? "Tap me to Continue"
                                     : "Press Enter to Continue";
    label(defaultFont, 15, sf::Color::Black, AlignRight, prompt, 870, 565);
}
