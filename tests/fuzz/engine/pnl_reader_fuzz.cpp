// Feeds arbitrary bytes to the drawing reader, then walks and re-writes what it accepted.

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/pnl/pnl_reader.h"
#include "engine/pnl/pnl_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string error;
    auto drawing =
        engine::ReadDrawingText(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz", error);
    if (!drawing) return 0;
    for (int p = 0; p < drawing->PageCount(); ++p) {
        engine::Page& page = *drawing->PageAt(p);
        for (int i = 0; i < page.ObjectCount(); ++i) {
            engine::DrawObject& object = *page.ObjectAt(i);
            object.SetProperty("SHAPE0.txt1.text", std::string("x"));
            object.GetProperty("SHAPE0.visible");
            object.SetLeft(object.Left() + 1);
            page.GetSelection().Add(&object);
        }
        page.DeleteSelected();
    }
    engine::WriteDrawingText(*drawing);
    return 0;
}
