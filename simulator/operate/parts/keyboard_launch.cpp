#include "simulator/operate/parts/keyboard_launch.h"

#include "simulator/operate/keyboards/ascii_keyboard.h"
#include "simulator/operate/keyboards/numeric_keyboards.h"
#include "simulator/shell/panel/panel.h"

namespace sim {

void OpenNumericKeyboard(Panel& panel) {
    Keyboard keyboard(panel.Entry(), panel.ProgramFolder());
    keyboard.Run(panel.GetHost());
}

bool OpenAsciiKeyboard(Panel& panel) {
    AscKeyboardInput letters(panel.Entry(), panel.GetHost(), panel.ProgramFolder());
    letters.Run(panel.GetHost());
    return letters.Result() == DialogResult::Ok;
}

bool OpenAsciiSymbolPage(Panel& panel) {
    AscNumBoard symbols(panel.Entry(), panel.GetHost(), panel.ProgramFolder());
    symbols.Run(panel.GetHost());
    return symbols.Result() == DialogResult::Ok;
}

}  // namespace sim
