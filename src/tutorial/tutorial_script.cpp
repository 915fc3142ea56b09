// tutorial_script.cpp -- what the elder says at each step
#include "tutorial/tutorial_script.h"

namespace {

using enum Step;

struct Speech {
    Step step;
    const char* keyboard;  // what the elder says with mouse and keyboard
    const char* touch;     // on a touch screen; null when the same
    bool asGiven = false;  // given as separate lines, split at '|', and drawn without wrapping
};

constexpr Speech speeches[] = {
    {Welcome, "Good, you made it!", nullptr},
    {Mission, "Now is your chance to prove your skills. Your mission is to research everything you find. I'll explain how to do that later. Once your mission is complete, you can return home.", nullptr},
    {WalkRight, "Let me explain how to move around. Press and hold D|to move right.", "To move, tap where you would like to go.", true},
    {WalkLeft, "Good. Press and hold A to move left.", nullptr},
    {Timer, "This is the timer. We use it to track how long it takes you to complete the mission. Try to finish as fast as possible. When you return home, you can compare your time with your friends.", nullptr},
    {OpenBag, "This is your inventory. Whenever you collect an item,|it goes in your bag. You can open or close your|inventory by clicking on the icon or pressing the E key.|Try that now.",
        "This is your inventory. Whenever you collect an item,|it goes in your bag. You can open or close your|inventory by tapping the icon. Try that now.", true},
    {BagSize, "Your bag can hold 9 items. We sent you here with some tools to get you started.", nullptr},
    {HoverItems, "You can hover over an item with your mouse to see what it is. You can find out what most icons or items are in this way.",
        "You can tap an item to see what it is. You can find out what most icons or items are in this way."},
    {RearrangeBag, "You can rearrange your inventory by dragging an item to a different square. If you want to dump an item, drag it to the red trash can.", nullptr},
    {ResearchHint, "To research an item, drag it to the yellow beaker. More on that later. In order to keep making progress, you will need to explore new areas ahead.", nullptr},
    {NoGoingBack, "Once you have moved on, you can no longer go back. Don't worry, the world is infinite. There will always be more to explore.", nullptr},
    {HelpMenu, "If at any point you forget what you learned, you can see a guide in the Help Menu. While reading the Quick Help, your game will be automatically paused.", nullptr},
    {WalkToTrees, "Now let's move right to the next area.", "Now let's move right to the next area. Tap on the far right to proceed."},
    {TreeKinds, "Here is an example of the types of trees. Left to right: Birch, Pine, Oak.", nullptr},
    {TreeDifficulty, "Some trees are more difficult to cut down than others. The Birch is the easiest and Oak is the hardest.", nullptr},
    {OpenBirch, "To interact with an object, move in front of it and press the Spacebar. Go interact with the Birch Tree.",
        "To interact with an object, tap it. Go interact with the Birch Tree."},
    {InteractWindow, "This is the interact window. If you decide you don't want to interact with the object, press ESC.",
        "This is the interact window. If you decide you don't want to interact with the object, tap outside of the box."},
    {WindowInfo, "On each window, there will be a variety of information about the object, such as the name, recommended tools, and a progress bar.", nullptr},
    {Chop, "To cut down a tree, click and drag your mouse through the trunk of the tree. Try that now.",
        "To cut down a tree, swipe through the trunk of the tree. Try that now."},
    {WalkToRocks, "As you can see, the logs went into your inventory bag. It's time to move on. Travel right to the next area.", nullptr},
    {RockKinds, "Notice the different rocks. Each one contains a different ore. Left to right: Bronze, Iron, Titanium.", nullptr},
    {OpenBronzeRock, "Go and interact with the Bronze Rock.", nullptr},
    {Mine, "To mine a rock, repeatedly click inside of the pulsing circle. Go ahead and mine this rock.",
        "To mine a rock, repeatedly tap inside of the pulsing circle. Go ahead and mine this rock."},
    {WalkToPonds, "Well done, but there's still more to learn. Move right to the next area.", nullptr},
    {PondKinds, "There are different types of fish that can be found in specific ponds. Left to right: Bass, Salmon, Trout.", nullptr},
    {OpenBassPond, "Bass are the easiest fish to catch. Go interact with the Bass Pond.", nullptr},
    {FishingHint, "To fish, hover your bobber over the moving water ripples. Be sure to stay on top of the fish or your progress will decrease. Go catch the bass.",
        "To fish, tap and hold on the moving water ripples. Be sure to stay on top of the fish or your progress will decrease. Go catch the bass."},
    {WalkToFirePit, "Excellent. We're going to move on to cooking. Continue to the right.", nullptr},
    {OpenFirePit, "This is a Fire Pit. It is used to cook fish. Go interact with the Fire Pit.", nullptr},
    {ChooseFish, "To cook a specific fish, you need a certain type of log as shown here. Click on the first option to cook the bass with the birch logs.",
        "To cook a specific fish, you need a certain type of log as shown here. Tap the first option to cook the bass with the birch logs."},
    {LightFire, "Click, hold, and rapidly swipe within the logs to light them. Do that now.",
        "Tap, hold, and rapidly swipe within the logs to light them. Do that now."},
    {Cook, "Great. Grab the fish and hold it close to the fire. Then place it back on the plate when it is cooked. The closer you hold the fish to the fire, the faster it will cook. Now cook the Bass.", nullptr},
    {OpenFirePitAgain, "I have given you more logs and another fish. Don't burn it this time. Go interact with the Fire Pit again.", nullptr},
    {WalkToAnvil, "Well done. Just a few things left. Move right to the next area.", nullptr},
    {OpenAnvil, "This flat rock can be used as an anvil to smith ores|into tools. The better the tool, the faster you can|collect a resource. Go interact with the Anvil now.", nullptr, true},
    {ChooseTool, "Here's a list of the tools you can make with each ore. Click a Bronze tool to smith it.",
        "Here's a list of the tools you can make with each ore. Tap a Bronze tool to smith it."},
    {PlacePieces, "Drag the puzzle pieces from the embers to the white grid to make the tool.", nullptr},
    {WellDone, "Nicely done. Congratulations. You have now learned how to gather and use all of the resources available to you.", nullptr},
    {ResearchIntro, "One last thing. You need to research these items.", nullptr},
    {Checklist, "This is your checklist. It will show your research progress on each item.", nullptr},
    {OpenChecklist, "You can open or close the checklist by pressing the Q key or clicking the icon. Open your checklist now.",
        "You can open or close the checklist by tapping the icon. Open your checklist now."},
    {OpenBagToo, "Now open your inventory also.", nullptr},
    {ResearchBass, "To research an item, drag it to the yellow beaker in your inventory. Research a cooked bass now.", nullptr},
    {ResearchResult, "Notice that your progress has increased. However, the effectiveness of your research will vary.", nullptr},
    {TrashCan, "If you have an item that you don't want to research and you don't need it in your inventory, you can drag it to the trash can.", nullptr},
    {MissionGoal, "Once you have finished your research on all 21 items, your mission is complete.", nullptr},
    {Farewell, "I have told you as much as I can. From here, you will need to figure out the most effective way to complete the mission. I look forward to seeing you again.", nullptr},
};

// The exit button's words depend on whether the player has a mission of their own yet.
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

bool speechIsPreset(Step step) {
    for (const Speech& s : speeches)
        if (s.step == step) return s.asGiven;
    return false;
}

std::vector<std::string> elderSpeech(Step step, bool touch, bool newPlayer) {
    if (step == ExitButton) return {exitSpeech(touch, newPlayer)};
    for (const Speech& s : speeches) {
        if (s.step != step) continue;
        const char* text = touch && s.touch ? s.touch : s.keyboard;
        return s.asGiven ? splitAtBars(text) : std::vector<std::string>{text};
    }
    return {};
}
