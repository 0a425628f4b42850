// Speed of the engine operations the refresh cycle leans on: setting a property through a three-level
// path, loading a large drawing, and rendering a busy page.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <nlohmann/json.hpp>

#include "engine/pnl/pnl_reader.h"
#include "engine/qt/renderer.h"

namespace {

using nlohmann::json;

// A part as the screens hold it: a group with picture groups SHAPE0..SHAPE1, each with txt1 and rc2.
json Part(int index, double left, double top) {
    json shapes = json::array();
    for (int s = 0; s < 2; ++s) {
        json rc2 = {{"kind", "rect"},
                    {"name", "rc2"},
                    {"left", left},
                    {"top", top},
                    {"width", 40},
                    {"height", 30},
                    {"backColor", s ? 65280 : 8421504}};
        json txt1 = {{"kind", "text"}, {"name", "txt1"},          {"left", left}, {"top", top}, {"width", 40},
                     {"height", 30},   {"text", s ? "ON" : "OFF"}};
        shapes.push_back({{"kind", "group"},
                          {"name", "SHAPE" + std::to_string(s)},
                          {"left", left},
                          {"top", top},
                          {"width", 40},
                          {"height", 30},
                          {"visible", s == 0},
                          {"children", {rc2, txt1}}});
    }
    return {{"kind", "group"},   {"name", "P" + std::to_string(index)},
            {"type", 14},        {"left", left},
            {"top", top},        {"width", 40},
            {"height", 30},      {"config", {{"45", "3"}}},
            {"children", shapes}};
}

std::string DrawingText(int pages, int partsPerPage) {
    json pageList = json::array();
    for (int p = 0; p < pages; ++p) {
        json objects = json::array();
        for (int i = 0; i < partsPerPage; ++i) objects.push_back(Part(i, (i % 20) * 40, (i / 20) * 40));
        pageList.push_back({{"width", 800}, {"height", 600}, {"config", "screen"}, {"objects", objects}});
    }
    return json{{"pages", pageList}}.dump();
}

void SetPropertyThreeLevels(benchmark::State& state) {
    std::string error;
    auto drawing = engine::ReadDrawingText(DrawingText(1, 1), "bench", error);
    engine::DrawObject& part = *drawing->PageAt(0)->ObjectAt(0);
    int color = 0;
    for (auto _ : state) benchmark::DoNotOptimize(part.SetProperty("SHAPE1.rc2.backColor", ++color));
}
BENCHMARK(SetPropertyThreeLevels);

// 200 pages of N parts, each part a group of seven objects: Arg(7) gives 9,800 objects in all,
// Arg(50) gives 70,000.
void LoadLargeDrawing(benchmark::State& state) {
    std::string text = DrawingText(200, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::string error;
        auto drawing = engine::ReadDrawingText(text, "bench", error);
        benchmark::DoNotOptimize(drawing);
    }
    state.counters["objects"] = 200.0 * 7 * static_cast<double>(state.range(0));
    state.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(LoadLargeDrawing)->Arg(7)->Arg(50)->Unit(benchmark::kMillisecond);

void RenderBusyPage(benchmark::State& state) {
    std::string error;
    auto drawing = engine::ReadDrawingText(DrawingText(1, 300), "bench", error);
    engine::Renderer renderer;
    QImage image(800, 600, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        renderer.DrawPage(painter, *drawing->PageAt(0));
    }
}
BENCHMARK(RenderBusyPage)->Unit(benchmark::kMillisecond);

}  // namespace
