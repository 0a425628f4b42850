#pragma once
// Builders of the parts that show register values as text: numeric display (type 16), numeric input
// (type 12), character display (type 17), character input (type 13) and message display (type 7).
// Each writes the lines the simulator reads: the display side, and for the inputs the touch side too
// (limits, interlock, notification).

#include <memory>
#include <string>
#include <vector>

#include "tools/projectbuilder/parts.h"

namespace projectbuilder {

enum TextPartType : int {
    kMessageDisplay = 7,
    kNumericInput = 12,
    kAsciiInput = 13,
    kNumericDisplay = 16,
    kAsciiDisplay = 17,
};

// How a number is shown; the same settings sit on different lines of the display and the input.
struct NumberFormat {
    int dataType = 0;     // 0 16-bit unsigned, 1 32-bit, 2 16-bit signed, 3 32-bit signed, 4/5 BCD, 6 float
    int displayType = 0;  // 0 decimal, 1 hexadecimal, 2 octal, 5 integer (data types 0 and 1 only)
    int totalDigits = 5;
    int fractionDigits = 0;
    bool scaling = false;
    std::string gain = "1", offset = "0";  // decimal fractions
    int padding = 0;                       // 0 none, 1 leading zeros, 2 leading spaces
};

// Colours of the numeric display by value range: text and background at or below the low limit, at or
// above the high limit, and in between.
struct RangeColours {
    bool enabled = false;
    bool fromRegisters = false;
    std::string low = "0", high = "0";  // constant limits (decimal fractions for floats)
    Address lowRegister{}, highRegister{};
    int lowText = Rgb(255, 255, 255), lowBack = Rgb(40, 80, 200);
    int highText = Rgb(255, 255, 255), highBack = Rgb(200, 40, 40);
    int normalText = Rgb(20, 20, 20), normalBack = Rgb(230, 230, 230);
};

struct NumericDisplayOptions {
    PartFrame frame{};
    Address address{};
    NumberFormat format{};
    RangeColours range{};
    Picture face{};
};

// The range a numeric input accepts: without a check the data type's own limits; with one the
// constant limits or two registers. Limits are raw values (units of 10^-d).
struct InputLimits {
    bool check = false;
    bool fromRegisters = false;
    std::string lower = "0", upper = "0";  // decimal fractions
    Address lowerRegister{}, upperRegister{};
};

struct NumericInputOptions {
    PartFrame frame{};
    Address write{};
    bool monitor = false;  // shows `monitorAddress` instead of the written register
    Address monitorAddress{};
    NumberFormat format{};
    InputLimits limits{};
    TouchCondition touch{};
    Picture face{};
};

struct AsciiDisplayOptions {
    PartFrame frame{};
    Address address{};
    int length = 8;              // bytes
    bool highByteFirst = false;  // the first character of each word in its high byte
    Picture face{};
};

struct AsciiInputOptions {
    PartFrame frame{};
    Address write{};
    int length = 8;  // bytes
    bool highByteFirst = false;
    bool monitor = true;  // shows the register text
    TouchCondition touch{};
    Picture face{};
};

struct MessageText {
    std::string text{};  // UTF-8
    int textColor = Rgb(20, 20, 20);
    int fontSize = 14;
    enum Scrolling : int { kStill = 0, kRight = 1, kLeft = 2 };
    int scrolling = kStill;
    int step = 1;  // pixels per refresh tick, at least 1
};

struct MessageDisplayOptions {
    PartFrame frame{};
    Address address{};
    int valueWidth = 0;                   // 0 a 16-bit unsigned value, 1 a 32-bit value
    std::vector<MessageText> messages{};  // message m shown for value m; 1 to 129 of them
    int backColor = Rgb(230, 230, 230);
};

// Options the part cannot hold (no messages or too many, a step below 1, a length below 1) are refused
// with std::invalid_argument.
std::unique_ptr<engine::DrawObject> NumericDisplay(const NumericDisplayOptions& options);
std::unique_ptr<engine::DrawObject> NumericInput(const NumericInputOptions& options);
std::unique_ptr<engine::DrawObject> AsciiDisplay(const AsciiDisplayOptions& options);
std::unique_ptr<engine::DrawObject> AsciiInput(const AsciiInputOptions& options);
std::unique_ptr<engine::DrawObject> MessageDisplay(const MessageDisplayOptions& options);

}  // namespace projectbuilder
