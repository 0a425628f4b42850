#pragma once
// Builders of the parts of a screen. Each makes the part's picture group (see PictureGroup) and its
// configuration lines at the line numbers the simulator reads for that part type, and sets the type
// code. Colours of a blinking picture come from the picture itself: blinking swaps its background and
// caption colours.

#include <memory>
#include <string>
#include <vector>

#include "engine/model/draw_object.h"
#include "tools/projectbuilder/shapes.h"
#include "tools/projectbuilder/texts.h"

namespace projectbuilder {

// Part type codes.
enum PartType : int {
    kBitSwitch = 1,
    kWordSwitch = 2,
    kScreenSwitch = 3,
    kFunctionKey = 4,
    kMultistateSwitch = 6,
    kBitLamp = 14,
    kMultistateLamp = 15,
    kCombinationKey = 78,
};

// When a part is shown: always, or while a bit has a state, or from a user level on.
struct ShowCondition {
    bool byBit = false;
    Address bit{};
    int bitState = 1;
    bool byLevel = false;
    int level = 0;
};

// When a touch may act (an interlock bit or a user level) and which bit it reports to.
struct TouchCondition {
    bool byBit = false;
    Address bit{};
    int bitState = 1;
    bool byLevel = false;
    int level = 0;
    bool notify = false;  // refused for the combination key, which has no notification bit
    Address notifyBit{};
    int notifyValue = 1;
};

// What every part has: its name, place and background outline, and its show condition.
struct PartFrame {
    std::string name{};
    Rect rect{};
    Shape shape = Shape::Rect;
    ShowCondition show{};
};

struct BitLampOptions {
    PartFrame frame{};
    Address address{};
    int bitSource = 0;  // 0 the bit itself, 1 a bit of a 16-bit word, 2 a bit of a 32-bit word
    int bitNumber = 0;  // within the word, 0 the least significant
    Picture off{}, on{};
    bool blinkOff = false, blinkOn = false;
};

struct MultistateLampOptions {
    PartFrame frame{};
    Address address{};
    int wordSize = 0;                 // 0 a 16-bit unsigned word, 1 a 32-bit word
    std::vector<Picture> pictures{};  // state 0, 1, ...: 1 to 32 of them
};

struct BitSwitchOptions {
    enum Function : int { kSetOn = 0, kSetOff = 1, kMomentary = 2, kInvert = 3 };
    enum Monitor { kNoMonitor, kMonitorWriteAddress, kMonitorOther };

    PartFrame frame{};
    int function = kSetOn;
    Address write{};
    Monitor monitor = kMonitorWriteAddress;  // kNoMonitor: the OFF picture is always shown
    Address monitorAddress{};                // kMonitorOther only
    Picture off{}, on{};
    bool blinkOff = false, blinkOn = false;
    TouchCondition touch{};
};

struct WordSwitchOptions {
    enum Function : int { kSetConstant = 0, kEnterValue = 1, kEnterPassword = 2, kAdd = 3, kSubtract = 4 };

    PartFrame frame{};
    int function = kSetConstant;
    int dataType = 0;  // 0 16-bit unsigned .. 6 float
    // Integers, or decimal fractions for data type 6, as the design tool writes them.
    std::string constant = "0", minimum = "0", maximum = "65535";
    int fractionDigits = 0;
    Address write{};
    Picture face{};
    bool blink = false;
    TouchCondition touch{};
};

struct ScreenSwitchOptions {
    enum Function : int { kGoTo = 0, kBack = 1, kGoToClosingPopup = 2, kClosePopup = 3 };

    PartFrame frame{};
    int function = kGoTo;
    int target = 0;
    Picture face{};
    bool blink = false;
    TouchCondition touch{};
};

struct FunctionKeyOptions {
    PartFrame frame{};
    int function = 0;  // the function code of the panel function
    Picture face{};
    bool blink = false;
    TouchCondition touch{};
};

struct MultistateSwitchOptions {
    PartFrame frame{};
    Address address{};  // shown and written
    int wordSize = 0;
    std::vector<Picture> pictures{};
    TouchCondition touch{};
};

struct CombinationAction {
    enum Type : int {
        kSetBit = 0,
        kResetBit = 1,
        kInvertBit = 2,
        kScreenJump = 3,
        kSetData = 4,
        kUserInput = 5
    };

    int type = kSetBit;
    std::string value{};  // set data: the constant; screen jump: the target screen
    std::string mode{};   // set data, user input: data type; screen jump: "0", "1" previous, "2" target
    Address address{};
};

struct CombinationKeyOptions {
    PartFrame frame{};
    std::vector<CombinationAction> actions{};  // at most 8
    Picture face{};
    bool blink = false;
    TouchCondition touch{};
};

// Option values the part cannot hold (too many pictures or actions, a notification on a type without
// one) are refused with std::invalid_argument.
std::unique_ptr<engine::DrawObject> BitLamp(const BitLampOptions& options);
std::unique_ptr<engine::DrawObject> MultistateLamp(const MultistateLampOptions& options);
std::unique_ptr<engine::DrawObject> BitSwitch(const BitSwitchOptions& options);
std::unique_ptr<engine::DrawObject> WordSwitch(const WordSwitchOptions& options);
std::unique_ptr<engine::DrawObject> ScreenSwitch(const ScreenSwitchOptions& options);
std::unique_ptr<engine::DrawObject> FunctionKey(const FunctionKeyOptions& options);
std::unique_ptr<engine::DrawObject> MultistateSwitch(const MultistateSwitchOptions& options);
std::unique_ptr<engine::DrawObject> CombinationKey(const CombinationKeyOptions& options);

}  // namespace projectbuilder
