// pnl: looks into a drawing file from the command line.
//   pnl render FILE PAGE OUT.png   writes the page as a PNG of the page's size
//   pnl list FILE PAGE             one line per top-level object: INDEX KIND NAME TYPE LEFT TOP WIDTH HEIGHT
//   pnl get FILE PAGE INDEX PATH   prints one property value of object INDEX
// Errors go to stderr with exit status 1; a bad command line gives the usage and status 2.

#include <QGuiApplication>
#include <QImage>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "engine/model/variant.h"
#include "engine/pnl/codepage.h"
#include "engine/pnl/pnl_reader.h"
#include "engine/qt/renderer.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: pnl render FILE PAGE OUT.png | pnl list FILE PAGE | pnl get FILE PAGE INDEX PATH\n");
    return 2;
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "pnl: %s\n", message.c_str());
    return 1;
}

bool ParseIndex(const char* text, int& out) {
    std::string_view view(text);
    auto [end, ec] = std::from_chars(view.data(), view.data() + view.size(), out);
    return ec == std::errc() && end == view.data() + view.size() && out >= 0;
}

std::string Utf8(const std::string& bytes) {
    return engine::CodePageToUtf8(bytes);
}

int Render(const engine::Drawing& drawing, const engine::Page& page, const char* out, int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    engine::Renderer renderer(drawing.Folder());
    if (!renderer.RenderPage(page).save(QString::fromLocal8Bit(out), "PNG"))
        return Fail(std::string(out) + ": cannot write the image");
    return 0;
}

int List(const engine::Page& page) {
    for (int i = 0; i < page.ObjectCount(); ++i) {
        const engine::DrawObject& o = *page.ObjectAt(i);
        std::printf("%d %s %s %d %g %g %g %g\n", i, o.Kind().c_str(), Utf8(o.Name()).c_str(), o.TypeCode(),
                    o.Left(), o.Top(), o.Width(), o.Height());
    }
    return 0;
}

int Get(const engine::Page& page, const char* indexText, const char* path) {
    int index = 0;
    if (!ParseIndex(indexText, index)) return Usage();
    const engine::DrawObject* object = page.ObjectAt(index);
    if (!object) return Fail("no object " + std::string(indexText) + " on this page");
    auto value = object->GetProperty(path);
    if (!value) return Fail("no property \"" + std::string(path) + "\"");
    std::printf("%s\n", Utf8(engine::VariantText(*value)).c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) return Usage();
    std::string command = argv[1];
    int pageIndex = 0;
    if (!ParseIndex(argv[3], pageIndex)) return Usage();
    bool shapeOk = (command == "render" && argc == 5) || (command == "list" && argc == 4) ||
                   (command == "get" && argc == 6);
    if (!shapeOk) return Usage();

    std::string error;
    auto drawing = engine::ReadDrawingFile(argv[2], error);
    if (!drawing) return Fail(error);
    const engine::Page* page = drawing->PageAt(pageIndex);
    if (!page) return Fail(std::string(argv[2]) + ": no page " + argv[3]);

    if (command == "render") return Render(*drawing, *page, argv[4], argc, argv);
    if (command == "list") return List(*page);
    return Get(*page, argv[4], argv[5]);
}
