// The numeric keyboard in its dialog on the offscreen platform: real mouse clicks at the keys'
// centres reach the keys, and Enter ends the dialog with the typed value accepted.

#include <gtest/gtest.h>

#include <QTest>
#include <string>
#include <vector>

#include "simulator/operate/keyboards/numeric_keyboards.h"
#include "simulator/shell/qt/modal_dialog.h"
#include "simulator/shell/qt/qt_host.h"

namespace sim {
namespace {

TEST(KeyboardDialogTest, ClicksOnTheKeysTypeAValueAndEnterAcceptsIt) {
    EntryState entry;
    entry.numeric = {
        .lowerLimit = 0, .upperLimit = 1000, .fractionDigits = 1, .dataType = 0, .active = 1, .result = 0};
    Keyboard keyboard(entry, HMI_RUN_DIR);
    ASSERT_FALSE(keyboard.Closed()) << keyboard.OpenError();

    QtHost host;
    QSize dialogSize;
    std::string shownText;
    host.onModalShown = [&](ModalDialog& dialog) {
        dialogSize = dialog.size();
        const engine::Page& page = *keyboard.View().CurrentPage();
        for (const char* name : {"element4", "element2", "element11", "element5", "element17"}) {
            const engine::DrawObject* key = page.FindObject(name);
            ASSERT_NE(key, nullptr) << name;
            if (std::string(name) == "element17") shownText = page.FindObject("text3")->StyleText("text");
            QPoint centre(static_cast<int>(key->Left() + key->Width() / 2),
                          static_cast<int>(key->Top() + key->Height() / 2));
            QTest::mouseClick(dialog.View(), Qt::LeftButton, {}, centre);
        }
    };
    host.RunModal(keyboard);

    EXPECT_EQ(dialogSize, QSize(230, 200));
    EXPECT_EQ(shownText, "42.5");
    EXPECT_TRUE(keyboard.Closed());
    EXPECT_EQ(entry.EntryAccepted, 1);
    EXPECT_FLOAT_EQ(entry.numeric.result, 42.5f);
}

}  // namespace
}  // namespace sim
