#include "tools/projectbuilder/keypads.h"

#include <string>
#include <string_view>

#include "tools/projectbuilder/drawing_builder.h"
#include "tools/projectbuilder/shapes.h"

namespace projectbuilder {
namespace {

constexpr int kPanelColor = Rgb(222, 226, 232);
constexpr int kKeyColor = Rgb(246, 247, 249);
constexpr int kFrameColor = Rgb(90, 96, 104);
constexpr int kEnterColor = Rgb(170, 220, 170);
constexpr int kCancelColor = Rgb(240, 180, 170);
constexpr int kFunctionColor = Rgb(200, 210, 228);
constexpr int kWhite = 16777215;

struct Key {
    std::string_view name;
    std::string_view label;
    int column = 0, row = 0;
    int columns = 1, rows = 1;  // span
    int color = kKeyColor;
};

// A grid of keys: the first key's corner, the cell size and the gap between cells.
struct Grid {
    double left = 0, top = 0, cellWidth = 0, cellHeight = 0, gap = 0;

    Rect Cell(const Key& key) const {
        return {left + key.column * (cellWidth + gap), top + key.row * (cellHeight + gap),
                key.columns * cellWidth + (key.columns - 1) * gap,
                key.rows * cellHeight + (key.rows - 1) * gap};
    }
};

Key At(std::string_view name, std::string_view label, int column, int row, int columns = 1, int rows = 1,
       int color = kKeyColor) {
    return {.name = name,
            .label = label,
            .column = column,
            .row = row,
            .columns = columns,
            .rows = rows,
            .color = color};
}

// A key: a framed rectangle that draws its own label, centred.
void AddKey(DrawingBuilder& builder, int page, const Grid& grid, const Key& key) {
    auto box = BoxObject(key.name, grid.Cell(key), key.color, kFrameColor);
    box->SetProperty("text", std::string(key.label));
    box->SetProperty("fontsize", key.label.size() > 5 ? 10 : key.label.size() > 2 ? 11 : 14);
    box->SetProperty("fontcolor", Rgb(20, 20, 20));
    box->SetProperty("textalign", 5);
    builder.Add(page, std::move(box));
}

// The head of a keyboard: the two limits with their captions, then the entry field over its validity
// background. The field's texts are drawn on a transparent text object, so the background shows.
void AddHead(DrawingBuilder& builder, int page, double width, std::string_view validityName,
             std::string_view lowerName, std::string_view upperName) {
    const double half = (width - 12) / 2;
    const TextStyle caption{.color = Rgb(60, 64, 70), .size = 11, .align = 4};
    const TextStyle limit{.color = Rgb(20, 20, 20), .size = 11, .align = 4};
    builder.Add(page, TextObject("", {6, 4, 30, 18}, "Min", caption));
    builder.Add(page, TextObject(lowerName, {36, 4, half - 32, 18}, "0", limit));
    builder.Add(page, TextObject("", {8 + half, 4, 30, 18}, "Max", caption));
    builder.Add(page, TextObject(upperName, {38 + half, 4, half - 32, 18}, "0", limit));

    const Rect field{6, 26, width - 12, 28};
    builder.Add(page, BoxObject(validityName, field, kWhite, kFrameColor));
    const Rect inner{field.left + 4, field.top, field.width - 8, field.height};
    builder.Add(page, TextObject("text3", inner, "", {.color = 0, .size = 16, .align = 6}));
}

void NumericPage(DrawingBuilder& builder) {
    constexpr int page = kNumericKeypadPage;
    constexpr double width = 230, height = 200;
    builder.Page(page).SetSize(width, height);
    builder.Page(page).SetBackColor(kPanelColor);
    // "text2" is the lower limit, "text1" the upper one.
    AddHead(builder, page, width, "rect6", "text2", "text1");
    // The masked password, over the same field; empty on the numeric keyboard.
    builder.Add(page,
                TextObject("text100", {10, 26, width - 20, 28}, "", {.color = 0, .size = 16, .align = 6}));

    const Grid grid{.left = 6, .top = 60, .cellWidth = 40, .cellHeight = 30.5, .gap = 3.5};
    const Key keys[] = {
        At("element7", "7", 0, 0),
        At("element8", "8", 1, 0),
        At("element9", "9", 2, 0),
        At("element13", "Back", 3, 0, 1, 1, kFunctionColor),
        At("element4", "4", 0, 1),
        At("element5", "5", 1, 1),
        At("element6", "6", 2, 1),
        At("element14", "Clear", 3, 1, 1, 1, kFunctionColor),
        At("element1", "1", 0, 2),
        At("element2", "2", 1, 2),
        At("element3", "3", 2, 2),
        At("element12", "-", 3, 2),
        At("element10", "0", 0, 3, 2, 1),
        At("element15", "00", 2, 3),
        At("element11", ".", 3, 3),
        At("element16", "Cancel", 4, 0, 1, 2, kCancelColor),
        At("element17", "Enter", 4, 2, 1, 2, kEnterColor),
    };
    for (const Key& key : keys) AddKey(builder, page, grid, key);
}

// The two ASCII pages share their key names; `labels` gives each page's label of "borderG1" ..
// "borderG31" in name order.
void AsciiPage(DrawingBuilder& builder, int page, const std::string_view (&labels)[31]) {
    constexpr double width = 300, height = 230;
    builder.Page(page).SetSize(width, height);
    builder.Page(page).SetBackColor(kPanelColor);
    AddHead(builder, page, width, "rect2", "text1", "text2");

    // Four rows of eight cells; Enter takes two cells of the last row.
    struct Place {
        int column, row, columns;
    };
    static constexpr Place places[31] = {
        {0, 0, 1}, {1, 0, 1}, {2, 0, 1}, {6, 3, 2},                         // G1..G4
        {3, 0, 1}, {4, 0, 1}, {5, 0, 1}, {6, 0, 1}, {7, 0, 1},              // G5..G9
        {0, 1, 1}, {1, 1, 1}, {2, 1, 1}, {3, 1, 1}, {4, 1, 1}, {5, 1, 1},   // G10..G15
        {6, 1, 1}, {7, 1, 1},                                               // G16, G17
        {0, 2, 1}, {1, 2, 1}, {2, 2, 1}, {3, 2, 1}, {4, 2, 1}, {5, 2, 1},   // G18..G23
        {6, 2, 1}, {7, 2, 1},                                               // G24, G25
        {0, 3, 1}, {1, 3, 1}, {2, 3, 1}, {3, 3, 1}, {4, 3, 1}, {5, 3, 1}};  // G26..G31
    const Grid grid{.left = 6, .top = 62, .cellWidth = 33, .cellHeight = 38, .gap = 3.43};
    for (int i = 0; i < 31; ++i) {
        const int number = i + 1;
        int color = kKeyColor;
        if (number == 4) color = kEnterColor;
        if (number == 25) color = kCancelColor;
        if (number == 9 || number == 17 || number == 24) color = kFunctionColor;
        const std::string name = "borderG" + std::to_string(number);
        const Place& place = places[i];
        AddKey(builder, page, grid, At(name, labels[i], place.column, place.row, place.columns, 1, color));
    }
}

}  // namespace

std::unique_ptr<engine::Drawing> KeypadsDrawing() {
    DrawingBuilder builder;
    // Pages 0 to 23 are left empty: the keyboards use only the last three.
    NumericPage(builder);
    static constexpr std::string_view letters[31] = {
        "A",     "B", "C", "Enter", "D", "E", "F", "G",   "Back",   "H", "I", "J", "K", "L", "M", "N",
        "Clear", "O", "P", "Q",     "R", "S", "T", "123", "Cancel", "U", "V", "W", "X", "Y", "Z"};
    static constexpr std::string_view symbols[31] = {
        "1",     "2", "3", "Enter", "4", "5", "6", "7",   "Back",   "8", "9", "0", "#", "$", "%", "&",
        "Clear", "*", "-", "_",     "+", "/", ".", "ABC", "Cancel", "?", "=", "<", ">", ";", ":"};
    AsciiPage(builder, kLetterKeypadPage, letters);
    AsciiPage(builder, kSymbolKeypadPage, symbols);
    return builder.Take();
}

}  // namespace projectbuilder
