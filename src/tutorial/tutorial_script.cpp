// tutorial_script.cpp -- what the elder says at each step, and which steps wait for Enter
#include "tutorial/tutorial_script.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr int textSteps[] = {2, 3, 6, 7, 9, 10, 11, 12, 13, 14, 16, 17, 19,
                             20, 25, 26, 31, 33, 49, 50, 51, 55, 56, 57, 59};

struct Speech {
    int step;
    const char* keyboard;  // what the elder says with mouse and keyboard
    const char* touch;     // on a touch screen; null when the same
};

// Speeches given as separate lines (steps 4, 8 and 45) are split at '|'.
constexpr Speech speeches[] = {
    {2, "Good, you made it!", nullptr},
    {3, "Now is your chance to prove your skills. Your mission is to research everything you find. I'll explain how to do that later. Once your mission is complete, you can return home.", nullptr},
    {4, "Let me explain how to move around. Press and hold D|to move right.", "To move, tap where you would like to go."},
    {5, "Good. Press and hold A to move left.", nullptr},
    {6, "This is the timer. We use it to track how long it takes you to complete the mission. Try to finish as fast as possible. When you return home, you can compare your time with your friends.", nullptr},
    {8, "This is your inventory. Whenever you collect an item,|it goes in your bag. You can open or close your|inventory by clicking on the icon or pressing the E key.|Try that now.",
        "This is your inventory. Whenever you collect an item,|it goes in your bag. You can open or close your|inventory by tapping the icon. Try that now."},
    {9, "Your bag can hold 9 items. We sent you here with some tools to get you started.", nullptr},
    {10, "You can hover over an item with your mouse to see what it is. You can find out what most icons or items are in this way.",
        "You can tap an item to see what it is. You can find out what most icons or items are in this way."},
    {11, "You can rearrange your inventory by dragging an item to a different square. If you want to dump an item, drag it to the red trash can.", nullptr},
    {12, "To research an item, drag it to the yellow beaker. More on that later. In order to keep making progress, you will need to explore new areas ahead.", nullptr},
    {13, "Once you have moved on, you can no longer go back. Don't worry, the world is infinite. There will always be more to explore.", nullptr},
    {14, "If at any point you forget what you learned, you can see a guide in the Help Menu. While reading the Quick Help, your game will be automatically paused.", nullptr},
    {15, "Now let's move right to the next area.", "Now let's move right to the next area. Tap on the far right to proceed."},
    {16, "Here is an example of the types of trees. Left to right: Birch, Pine, Oak.", nullptr},
    {17, "Some trees are more difficult to cut down than others. The Birch is the easiest and Oak is the hardest.", nullptr},
    {18, "To interact with an object, move in front of it and press the Spacebar. Go interact with the Birch Tree.",
        "To interact with an object, tap it. Go interact with the Birch Tree."},
    {19, "This is the interact window. If you decide you don't want to interact with the object, press ESC.",
        "This is the interact window. If you decide you don't want to interact with the object, tap outside of the box."},
    {20, "On each window, there will be a variety of information about the object, such as the name, recommended tools, and a progress bar.", nullptr},
    {22, "To cut down a tree, click and drag your mouse through the trunk of the tree. Try that now.",
        "To cut down a tree, swipe through the trunk of the tree. Try that now."},
    {24, "As you can see, the logs went into your inventory bag. It's time to move on. Travel right to the next area.", nullptr},
    {26, "Notice the different rocks. Each one contains a different ore. Left to right: Bronze, Iron, Titanium.", nullptr},
    {27, "Go and interact with the Bronze Rock.", nullptr},
    {28, "To mine a rock, repeatedly click inside of the pulsing circle. Go ahead and mine this rock.",
        "To mine a rock, repeatedly tap inside of the pulsing circle. Go ahead and mine this rock."},
    {30, "Well done, but there's still more to learn. Move right to the next area.", nullptr},
    {31, "There are different types of fish that can be found in specific ponds. Left to right: Bass, Salmon, Trout.", nullptr},
    {32, "Bass are the easiest fish to catch. Go interact with the Bass Pond.", nullptr},
    {33, "To fish, hover your bobber over the moving water ripples. Be sure to stay on top of the fish or your progress will decrease. Go catch the bass.",
        "To fish, tap and hold on the moving water ripples. Be sure to stay on top of the fish or your progress will decrease. Go catch the bass."},
    {35, "Excellent. We're going to move on to cooking. Continue to the right.", nullptr},
    {36, "This is a Fire Pit. It is used to cook fish. Go interact with the Fire Pit.", nullptr},
    {37, "To cook a specific fish, you need a certain type of log as shown here. Click on the first option to cook the bass with the birch logs.",
        "To cook a specific fish, you need a certain type of log as shown here. Tap the first option to cook the bass with the birch logs."},
    {38, "Click, hold, and rapidly swipe within the logs to light them. Do that now.",
        "Tap, hold, and rapidly swipe within the logs to light them. Do that now."},
    {40, "Great. Grab the fish and hold it close to the fire. Then place it back on the plate when it is cooked. The closer you hold the fish to the fire, the faster it will cook. Now cook the Bass.", nullptr},
    {42, "I have given you more logs and another fish. Don't burn it this time. Go interact with the Fire Pit again.", nullptr},
    {44, "Well done. Just a few things left. Move right to the next area.", nullptr},
    {45, "This flat rock can be used as an anvil to smith ores|into tools. The better the tool, the faster you can|collect a resource. Go interact with the Anvil now.", nullptr},
    {46, "Here's a list of the tools you can make with each ore. Click a Bronze tool to smith it.",
        "Here's a list of the tools you can make with each ore. Tap a Bronze tool to smith it."},
    {47, "Drag the puzzle pieces from the embers to the white grid to make the tool.", nullptr},
    {49, "Nicely done. Congratulations. You have now learned how to gather and use all of the resources available to you.", nullptr},
    {50, "One last thing. You need to research these items.", nullptr},
    {51, "This is your checklist. It will show your research progress on each item.", nullptr},
    {52, "You can open or close the checklist by pressing the Q key or clicking the icon. Open your checklist now.",
        "You can open or close the checklist by tapping the icon. Open your checklist now."},
    {53, "Now open your inventory also.", nullptr},
    {54, "To research an item, drag it to the yellow beaker in your inventory. Research a cooked bass now.", nullptr},
    {55, "Notice that your progress has increased. However, the effectiveness of your research will vary.", nullptr},
    {56, "If you have an item that you don't want to research and you don't need it in your inventory, you can drag it to the trash can.", nullptr},
    {57, "Once you have finished your research on all 21 items, your mission is complete.", nullptr},
    {59, "I have told you as much as I can. From here, you will need to figure out the most effective way to complete the mission. I look forward to seeing you again.", nullptr},
};

// Step 7 depends on whether the player has a mission of their own yet.
const char* exitSpeech(bool touch, bool newPlayer) {
    if (newPlayer)
        return touch ? "If you need a break from your mission, tap here to exit. When you want to resume, you can continue where you left off."
                     : "If you need a break from your mission, click here to exit. When you want to resume, you can continue where you left off.";
    return touch ? "If you would like to quit the tutorial, tap here to exit. During the real mission, your progress will save and you can continue where you left off."
                 : "If you would like to quit the tutorial, click here to exit. During the real mission, your progress will save and you can continue where you left off.";
}

std::vector<std::string> splitAtBars(const std::string& text) {
    std::vector<std::string> lines(1);
    for (char c : text) {
        if (c == '|') lines.emplace_back();
        else lines.back() += c;
    }
    return lines;
}

}  // namespace

bool isTextStep(int step) {
    return std::find(std::begin(textSteps), std::end(textSteps), step) != std::end(textSteps);
}

bool speechIsPreset(int step) { return step == 4 || step == 8 || step == 45; }

std::vector<std::string> elderSpeech(int step, bool touch, bool newPlayer) {
    if (step == 7) return {exitSpeech(touch, newPlayer)};
    for (const Speech& s : speeches) {
        if (s.step != step) continue;
        const char* text = touch && s.touch ? s.touch : s.keyboard;
        return speechIsPreset(step) ? splitAtBars(text) : std::vector<std::string>{text};
    }
    return {};
}
