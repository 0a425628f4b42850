// The popup keyboards on the keyboard drawing built into the run folder: keys played by name as the
// headless runner plays them, the nested ASCII page through the fake host's modal hook.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "simulator/operate/keyboards/ascii_keyboard.h"
#include "simulator/operate/keyboards/numeric_keyboards.h"
#include "tests/support/fake_host.h"
#include "tests/support/scratch_folder.h"

namespace sim {
namespace {

const std::string kRunFolder = HMI_RUN_DIR;

// Selects the key `name` on the window's page and clicks it.
void Press(ModalWindow& window, const std::string& name) {
    engine::Page* page = window.View().CurrentPage();
    ASSERT_NE(page, nullptr);
    engine::DrawObject* key = page->FindObject(name);
    ASSERT_NE(key, nullptr) << "no key " << name;
    page->GetSelection().Clear();
    page->GetSelection().Add(key);
    window.OnClick();
}

void PressAll(ModalWindow& window, const std::vector<std::string>& names) {
    for (const auto& name : names) Press(window, name);
}

// The numeric keys that type `text` ("-" puts the sign in front on the numeric keyboard).
std::vector<std::string> NumericKeys(std::string_view text) {
    std::vector<std::string> keys;
    for (char c : text) {
        if (c >= '1' && c <= '9') keys.push_back("element" + std::string(1, c));
        if (c == '0') keys.push_back("element10");
        if (c == '.') keys.push_back("element11");
        if (c == '-') keys.push_back("element12");
    }
    return keys;
}

std::string TextOf(ModalWindow& window, std::string_view object) {
    engine::DrawObject* found = window.View().CurrentPage()->FindObject(object);
    return found ? engine::VariantText(*found->GetProperty("text")) : "<missing>";
}

int ColorOf(ModalWindow& window, std::string_view rect) {
    return window.View().CurrentPage()->FindObject(rect)->StyleInt("backColor");
}

class KeyboardsTest : public ::testing::Test {
  protected:
    EntryState entry;
    FakeHost host;
};

TEST(KeypadsDrawingTest, EveryPageHoldsItsNamedObjectsAndClickableLabelledKeys) {
    engine::View view;
    std::string error;
    ASSERT_TRUE(view.OpenDrawing(kRunFolder + "/keypads.pnl", &error)) << error;
    ASSERT_EQ(view.PageCount(), 27);

    struct Case {
        int page;
        double width, height;
        std::vector<std::string> fields;
        std::string keyPrefix;
        int keyCount;
    };
    const Case cases[] = {
        {24, 230, 200, {"text1", "text2", "text3", "text100", "rect6"}, "element", 17},
        {25, 300, 230, {"text1", "text2", "text3", "rect2"}, "borderG", 31},
        {26, 300, 230, {"text1", "text2", "text3", "rect2"}, "borderG", 31},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("page " + std::to_string(c.page));
        const engine::Page& page = *view.PageAt(c.page);
        EXPECT_EQ(page.Width(), c.width);
        EXPECT_EQ(page.Height(), c.height);
        for (const auto& field : c.fields) EXPECT_NE(page.FindObject(field), nullptr) << field;
        // The validity background lies behind the entry field (and the password mask).
        const engine::DrawObject* text3 = page.FindObject("text3");
        const engine::DrawObject* onField = page.ObjectAtPoint(text3->Left() + 5, text3->Top() + 5);
        ASSERT_NE(onField, nullptr);
        EXPECT_TRUE(onField == text3 || onField->Name() == "text100") << onField->Name();
        for (int k = 1; k <= c.keyCount; ++k) {
            const std::string name = c.keyPrefix + std::to_string(k);
            const engine::DrawObject* key = page.FindObject(name);
            ASSERT_NE(key, nullptr) << name;
            EXPECT_FALSE(key->StyleText("text").empty()) << name << " has no label";
            EXPECT_LE(key->Right(), c.width) << name;
            EXPECT_LE(key->Bottom(), c.height) << name;
            const double x = key->Left() + key->Width() / 2, y = key->Top() + key->Height() / 2;
            EXPECT_EQ(page.ObjectAtPoint(x, y), key) << name << " is covered at its centre";
        }
    }
}

TEST_F(KeyboardsTest, LetterPageRefusesATextLongerThanTheLengthUntilItIsShortened) {
    entry.AsciiEntryLength = 4;
    AscKeyboardInput letters(entry, host, kRunFolder);
    ASSERT_FALSE(letters.Closed()) << letters.OpenError();
    EXPECT_EQ(letters.Width(), 300);
    EXPECT_EQ(TextOf(letters, "text1"), "0");
    EXPECT_EQ(TextOf(letters, "text2"), "4");

    PressAll(letters, {"borderG1", "borderG2", "borderG3", "borderG5"});  // A B C D
    EXPECT_EQ(TextOf(letters, "text3"), "ABCD");
    EXPECT_EQ(ColorOf(letters, "rect2"), kValidColor);
    Press(letters, "borderG6");  // E
    EXPECT_EQ(TextOf(letters, "text3"), "ABCDE");
    EXPECT_EQ(ColorOf(letters, "rect2"), kInvalidColor);
    Press(letters, "borderG4");  // Enter
    EXPECT_FALSE(letters.Closed());
    EXPECT_EQ(ColorOf(letters, "rect2"), kInvalidColor);
    Press(letters, "borderG9");  // Backspace
    EXPECT_EQ(ColorOf(letters, "rect2"), kValidColor);
    Press(letters, "borderG4");
    EXPECT_TRUE(letters.Closed());
    EXPECT_EQ(letters.Result(), DialogResult::Ok);
    EXPECT_EQ(entry.EntryAccepted, 1);
    EXPECT_EQ(entry.AsciiEntryText, "ABCD");
}

TEST_F(KeyboardsTest, EachPageTypesItsCharactersAndRefusesAnEmptyText) {
    struct Case {
        std::function<std::unique_ptr<AsciiPage>()> open;
        std::string typed;
    };
    const Case cases[] = {
        {[&] { return std::make_unique<AscKeyboardInput>(entry, host, kRunFolder); },
         "ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
        {[&] { return std::make_unique<AscNumBoard>(entry, host, kRunFolder); },
         "1234567890#$%&*-_+/.?=<>;:"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        entry.AsciiEntryLength = 64;
        auto page = c.open();
        Press(*page, "borderG4");  // Enter on an empty text
        EXPECT_FALSE(page->Closed());
        EXPECT_EQ(ColorOf(*page, "rect2"), kInvalidColor);
        for (int k = 1; k <= AsciiPage::kKeyCount; ++k)
            if (k != 4 && k != 9 && k != 17 && k != 24 && k != 25)
                Press(*page, "borderG" + std::to_string(k));
        EXPECT_EQ(TextOf(*page, "text3"), c.typed);
        Press(*page, "borderG17");  // Clear
        EXPECT_EQ(TextOf(*page, "text3"), "");
    }
}

TEST_F(KeyboardsTest, TheSixtyFifthCharacterIsRefusedAndTheOtherKeysKeepWorking) {
    entry.AsciiEntryLength = 100;
    AscKeyboardInput letters(entry, host, kRunFolder);
    for (int i = 0; i < 64; ++i) Press(letters, "borderG1");
    EXPECT_EQ(TextOf(letters, "text3"), std::string(64, 'A'));
    EXPECT_EQ(ColorOf(letters, "rect2"), kValidColor);

    Press(letters, "borderG2");
    EXPECT_EQ(TextOf(letters, "text3"), std::string(64, 'A'));
    EXPECT_EQ(ColorOf(letters, "rect2"), kInvalidColor);
    Press(letters, "borderG9");
    EXPECT_EQ(TextOf(letters, "text3"), std::string(63, 'A'));
    EXPECT_EQ(ColorOf(letters, "rect2"), kValidColor);
    Press(letters, "borderG2");
    Press(letters, "borderG4");
    EXPECT_TRUE(letters.Closed());
    EXPECT_EQ(entry.AsciiEntryText, std::string(63, 'A') + "B");
}

TEST_F(KeyboardsTest, PageSwitchCarriesTheTextAndEnterOnTheSymbolPageClosesBoth) {
    entry.AsciiEntryLength = 8;
    AscKeyboardInput letters(entry, host, kRunFolder);
    PressAll(letters, {"borderG1", "borderG2"});  // AB
    std::string shownOnSymbols;
    host.onModal = [&](ModalWindow& symbols) {
        shownOnSymbols = TextOf(symbols, "text3");
        PressAll(symbols, {"borderG1", "borderG4"});  // 1, Enter
    };
    Press(letters, "borderG24");
    EXPECT_EQ(shownOnSymbols, "AB");
    EXPECT_TRUE(letters.Closed());
    EXPECT_EQ(letters.Result(), DialogResult::Ok);
    EXPECT_EQ(entry.EntryAccepted, 1);
    EXPECT_EQ(entry.AsciiEntryText, "AB1");
    EXPECT_EQ(entry.AsciiLetterPageText, "");
    EXPECT_EQ(entry.AsciiSymbolPageText, "");
}

TEST_F(KeyboardsTest, CancellingOnTheNestedPageClosesBothAndLeavesNoStartText) {
    entry.AsciiEntryLength = 8;
    AscKeyboardInput letters(entry, host, kRunFolder);
    Press(letters, "borderG1");
    host.onModal = [&](ModalWindow& symbols) {
        // Back to a letter page on top, which is cancelled.
        host.onModal = [&](ModalWindow& top) { top.OnEscape(); };
        Press(symbols, "borderG24");
    };
    Press(letters, "borderG24");
    EXPECT_TRUE(letters.Closed());
    EXPECT_EQ(entry.EntryAccepted, 0);
    EXPECT_EQ(entry.AsciiLetterPageText, "");
    EXPECT_EQ(entry.AsciiSymbolPageText, "");

    // The next entry starts empty.
    AscKeyboardInput next(entry, host, kRunFolder);
    EXPECT_EQ(TextOf(next, "text3"), "");
}

TEST_F(KeyboardsTest, NumericKeyboardShowsTheLimitsAndRefusesAValueAboveThem) {
    entry.numeric = {
        .lowerLimit = 0, .upperLimit = 1000, .fractionDigits = 1, .dataType = 0, .active = 1, .result = 0};
    Keyboard keyboard(entry, kRunFolder);
    ASSERT_FALSE(keyboard.Closed()) << keyboard.OpenError();
    EXPECT_EQ(keyboard.Width(), 230);
    EXPECT_EQ(keyboard.Height(), 200);
    EXPECT_EQ(TextOf(keyboard, "text1"), "100.0");
    EXPECT_EQ(TextOf(keyboard, "text2"), "0.0");
    EXPECT_TRUE(keyboard.View().CurrentPage()->FindObject("text3")->Selected());

    PressAll(keyboard, NumericKeys("100.5"));
    EXPECT_EQ(TextOf(keyboard, "text3"), "100.5");
    EXPECT_EQ(ColorOf(keyboard, "rect6"), kInvalidColor);
    Press(keyboard, "element17");
    EXPECT_FALSE(keyboard.Closed());
    Press(keyboard, "element13");
    EXPECT_EQ(ColorOf(keyboard, "rect6"), kValidColor);
    Press(keyboard, "element17");
    EXPECT_TRUE(keyboard.Closed());
    EXPECT_EQ(keyboard.Result(), DialogResult::Ok);
    EXPECT_EQ(entry.EntryAccepted, 1);
    EXPECT_FLOAT_EQ(entry.numeric.result, 100.0f);
}

TEST_F(KeyboardsTest, NumericKeyboardKeepsTheLimitTextsAsDrawnWhenNoValueEntryIsActive) {
    entry.numeric = {
        .lowerLimit = 5, .upperLimit = 9, .fractionDigits = 0, .dataType = 0, .active = 0, .result = 0};
    Keyboard keyboard(entry, kRunFolder);
    EXPECT_EQ(TextOf(keyboard, "text1"), "0");
    EXPECT_EQ(TextOf(keyboard, "text2"), "0");
}

TEST_F(KeyboardsTest, NumericKeysEditTheText) {
    struct Case {
        std::vector<std::string> keys;
        std::string text;
    };
    const Case cases[] = {
        {{"element12", "element12"}, "-"},
        {{"element5", "element12", "element12"}, "-5"},
        {{"element1", "element11", "element5", "element14", "element11", "element2"}, ".2"},
        {{"element1", "element11", "element11", "element2"}, "1.2"},
        {{"element1", "element11", "element13", "element11"}, "1."},
        {{"element10", "element15"}, "000"},
        {{"element13"}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Keyboard keyboard(entry, kRunFolder);
        PressAll(keyboard, c.keys);
        EXPECT_EQ(TextOf(keyboard, "text3"), c.text);
    }
}

TEST_F(KeyboardsTest, NumericEnterAcceptsOnlyANumberInsideTheLimits) {
    struct Case {
        int dataType, fractionDigits;
        double lower, upper;
        std::string typed;
        bool accepted;
        float result;
    };
    const Case cases[] = {
        {0, 1, 0, 1000, "100", true, 100.0f},
        {0, 1, 0, 1000, "100.5", false, 0},
        {0, 2, 0, 65535, "655.35", true, 655.35f},
        {0, 1, 0, 3, "0.3", true, 0.3f},  // the upper limit itself, typed as shown
        {2, 0, -100, 100, "-100", true, -100.0f},
        {2, 0, -100, 100, "-101", false, 0},
        {0, 0, 100, 200, "50", false, 0},  // the lower limit is tested by Enter
        {6, 2, -1.5, 2.5, "2.5", true, 2.5f},
        {6, 2, -1.5, 2.5, "-1.6", false, 0},
        {0, 0, -10, 10, "", false, 0},
        {0, 0, -10, 10, "-", false, 0},  // no number at all is not zero
        {0, 0, -10, 10, ".", false, 0},
        {1, 0, 0, 4294967295.0, "4294967295", true, 4294967295.0f},
        {0, 0, 0, 1000, "99999999999999999999999999999999999999999999", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed + " in " + std::to_string(c.lower) + ".." + std::to_string(c.upper));
        entry.EntryAccepted = 0;
        entry.numeric = {.lowerLimit = c.lower,
                         .upperLimit = c.upper,
                         .fractionDigits = c.fractionDigits,
                         .dataType = c.dataType,
                         .active = 1,
                         .result = 0};
        Keyboard keyboard(entry, kRunFolder);
        PressAll(keyboard, NumericKeys(c.typed));
        if (c.typed.starts_with('-')) {
            EXPECT_EQ(TextOf(keyboard, "text3"), c.typed);
        }
        Press(keyboard, "element17");
        EXPECT_EQ(keyboard.Closed(), c.accepted);
        EXPECT_EQ(entry.EntryAccepted, c.accepted ? 1 : 0);
        if (c.accepted) {
            EXPECT_FLOAT_EQ(entry.numeric.result, c.result);
        }
        if (!c.accepted) {
            EXPECT_EQ(ColorOf(keyboard, "rect6"), kInvalidColor);
        }
    }
}

class PasswordTest : public KeyboardsTest {
  protected:
    std::unique_ptr<Keyboard_Pass> Open(const Passwords& passwords) {
        return std::make_unique<Keyboard_Pass>(
            entry, passwords, [this](int level) { userLevel = level; }, kRunFolder);
    }
    int userLevel = -1;
};

TEST_F(PasswordTest, ShowsOnlyTheMaskAndKeepsItsOwnKeyMeanings) {
    auto login = Open({});
    EXPECT_EQ(TextOf(*login, "text1"), "99999");
    EXPECT_EQ(TextOf(*login, "text2"), "0");
    const engine::Page& page = *login->View().CurrentPage();
    EXPECT_FALSE(page.FindObject("text3")->Visible());
    EXPECT_TRUE(page.FindObject("text100")->Visible());

    PressAll(*login, {"element1", "element15", "element11", "element11", "element12"});
    EXPECT_EQ(TextOf(*login, "text3"), "10000..-");
    EXPECT_EQ(TextOf(*login, "text100"), "********");
    EXPECT_EQ(ColorOf(*login, "rect6"), kInvalidColor);
    PressAll(*login, {"element14", "element1", "element2", "element3", "element4", "element5"});
    EXPECT_EQ(TextOf(*login, "text100"), "*****");
    EXPECT_EQ(ColorOf(*login, "rect6"), kValidColor);
    Press(*login, "element13");
    EXPECT_EQ(TextOf(*login, "text3"), "1234");
}

TEST_F(PasswordTest, EnterMatchesTheFirstEqualPasswordAndHonoursTheRequiredLevel) {
    struct Case {
        std::string name;
        Passwords passwords;
        LoginRequest login;
        std::string typed;
        int matched;    // 0: refused
        int userLevel;  // -1: not set
    };
    const Case cases[] = {
        {"equal passwords give the first level", {"123", "123", "9"}, {}, "123", 1, -1},
        {"no prompt leaves the user level to the caller", {"1", "22", "333"}, {}, "22", 2, -1},
        {"a level below the prompt's is refused",
         {"1", "22", "333"},
         {.required = 1, .minimumLevel = 3},
         "22",
         0,
         -1},
        {"the prompt's level sets the user level",
         {"1", "22", "333"},
         {.required = 1, .minimumLevel = 3},
         "333",
         3,
         2},
        {"no equal password", {"1", "22", "333"}, {}, "4", 0, -1},
        {"an empty slot is no password of 0", {"1", "22", ""}, {}, "0", 0, -1},
        {"a password 0 is one", {"1", "0", ""}, {}, "00", 2, -1},
        {"an empty text", {"1", "22", ""}, {}, "", 0, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        entry.EntryAccepted = 0;
        entry.MatchedLevel = 0;
        entry.login = c.login;
        userLevel = -1;
        auto login = Open(c.passwords);
        PressAll(*login, NumericKeys(c.typed));
        Press(*login, "element17");
        EXPECT_EQ(entry.PasswordText, c.typed);
        EXPECT_EQ(login->Closed(), c.matched != 0);
        EXPECT_EQ(entry.EntryAccepted, c.matched != 0 ? 1 : 0);
        if (c.matched != 0) {
            EXPECT_EQ(entry.MatchedLevel, c.matched);
        }
        if (c.matched == 0) {
            EXPECT_EQ(ColorOf(*login, "rect6"), kInvalidColor);
        }
        EXPECT_EQ(userLevel, c.userLevel);
    }
}

// Every keyboard, opened on the real drawing or on none at all.
std::vector<std::pair<std::string,
                      std::function<std::unique_ptr<KeyboardWindow>(EntryState&, Host&, const std::string&)>>>
Keyboards() {
    return {
        {"AscKeyboardInput",
         [](EntryState& e, Host& h, const std::string& f) {
             return std::make_unique<AscKeyboardInput>(e, h, f);
         }},
        {"AscNumBoard",
         [](EntryState& e, Host& h, const std::string& f) { return std::make_unique<AscNumBoard>(e, h, f); }},
        {"Keyboard",
         [](EntryState& e, Host&, const std::string& f) { return std::make_unique<Keyboard>(e, f); }},
        {"Keyboard_Pass",
         [](EntryState& e, Host&, const std::string& f) {
             return std::make_unique<Keyboard_Pass>(e, Passwords{"1"}, nullptr, f);
         }},
    };
}

TEST_F(KeyboardsTest, EscapeAndCancelCloseEveryKeyboardAsCancelled) {
    const std::map<std::string, std::pair<std::string, DialogResult>> cancelKeys = {
        {"AscKeyboardInput", {"borderG25", DialogResult::Ok}},
        {"AscNumBoard", {"borderG25", DialogResult::Ok}},
        {"Keyboard", {"element16", DialogResult::Cancel}},
        {"Keyboard_Pass", {"element16", DialogResult::Cancel}},
    };
    for (const auto& [name, open] : Keyboards()) {
        SCOPED_TRACE(name);
        entry.EntryAccepted = 1;
        auto escaped = open(entry, host, kRunFolder);
        escaped->OnEscape();
        EXPECT_TRUE(escaped->Closed());
        EXPECT_EQ(escaped->Result(), DialogResult::Ok);
        EXPECT_EQ(entry.EntryAccepted, 0);

        entry.EntryAccepted = 1;
        auto cancelled = open(entry, host, kRunFolder);
        const auto& [key, result] = cancelKeys.at(name);
        Press(*cancelled, key);
        EXPECT_TRUE(cancelled->Closed());
        EXPECT_EQ(cancelled->Result(), result);
        EXPECT_EQ(entry.EntryAccepted, 0);
    }
}

TEST_F(KeyboardsTest, AKeyboardWithoutAUsableDrawingClosesAsCancelledWithoutShowing) {
    const auto folder = test_support::ScratchFolder();
    const auto missing = folder / "missing", broken = folder / "broken", short_ = folder / "short";
    std::filesystem::create_directories(missing);
    std::filesystem::create_directories(broken);
    std::filesystem::create_directories(short_);
    std::ofstream(broken / "keypads.pnl") << "{ \"pages\": [ {";
    std::ofstream(short_ / "keypads.pnl") << "{ \"pages\": [ { \"objects\": [] } ] }";

    int shown = 0;
    host.onModal = [&](ModalWindow&) { ++shown; };
    for (const auto& place : {missing, broken, short_}) {
        for (const auto& [name, open] : Keyboards()) {
            SCOPED_TRACE(name + " in " + place.filename().string());
            entry.EntryAccepted = 1;
            auto keyboard = open(entry, host, place.string());
            EXPECT_TRUE(keyboard->Closed());
            EXPECT_EQ(keyboard->Result(), DialogResult::Cancel);
            EXPECT_EQ(entry.EntryAccepted, 0);
            EXPECT_FALSE(keyboard->OpenError().empty());
            keyboard->Run(host);
            keyboard->OnClick();
            keyboard->OnEscape();
            EXPECT_EQ(keyboard->Result(), DialogResult::Cancel);
        }
    }
    EXPECT_EQ(shown, 0);
}

TEST_F(KeyboardsTest, ALetterPageStaysOpenWhenTheSymbolPageCannotBeOpened) {
    // The real drawing without its last page.
    nlohmann::json drawing = nlohmann::json::parse(std::ifstream(kRunFolder + "/keypads.pnl"));
    drawing["pages"].erase(26);
    const auto folder = test_support::ScratchFolder();
    std::ofstream(folder / "keypads.pnl") << drawing.dump();

    entry.AsciiEntryLength = 8;
    AscKeyboardInput letters(entry, host, folder.string());
    ASSERT_FALSE(letters.Closed()) << letters.OpenError();
    Press(letters, "borderG1");
    Press(letters, "borderG24");
    EXPECT_FALSE(letters.Closed());
    EXPECT_EQ(TextOf(letters, "text3"), "A");
    Press(letters, "borderG4");
    EXPECT_EQ(entry.AsciiEntryText, "A");
}

}  // namespace
}  // namespace sim
