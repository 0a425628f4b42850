#include "simulator/shell/headless/script_runner.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <istream>
#include <ostream>
#include <sstream>
#include <vector>

#include "engine/pnl/codepage.h"
#include "simulator/memory/data_format.h"
#include "simulator/shell/headless/headless_host.h"
#include "simulator/shell/modal_window.h"
#include "simulator/shell/panel/panel.h"

namespace sim {

struct ScriptRunner::Line {
    int number = 0;
    std::vector<std::string> words;
    std::string rest;  // everything after the command word, for texts with blanks
};

namespace {

bool ParseInt(const std::string& text, long long& out) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && end == text.data() + text.size();
}

bool ParseNumber(const std::string& text, double& out) {
    char* end = nullptr;
    out = std::strtod(text.c_str(), &end);
    return !text.empty() && end == text.c_str() + text.size() && std::isfinite(out);
}

// Packed BCD of a non-negative integer, one decimal digit per nibble.
std::uint32_t ToBcd(long long value) {
    std::uint32_t bcd = 0;
    for (int shift = 0; value > 0 && shift < 32; shift += 4, value /= 10)
        bcd |= static_cast<std::uint32_t>(value % 10) << shift;
    return bcd;
}

std::string FormatValue(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.10g", value);
    return buffer;
}

// One memory cell as a script names it: an area, an index and a format code.
struct Cell {
    Area area;
    std::int32_t index;
    int format;
};

}  // namespace

ScriptRunner::ScriptRunner(Panel& panel, HeadlessHost& host, std::ostream& out, std::ostream& err)
    : m_panel(panel), m_host(host), m_out(out), m_err(err) {}

bool ScriptRunner::Bad(const Line& line, const std::string& reason) {
    m_err << m_name << ":" << line.number << ": " << reason << "\n";
    return false;
}

bool ScriptRunner::Expect(bool held, const Line& line, const std::string& detail) {
    if (!held) {
        m_failed = true;
        m_err << m_name << ":" << line.number << ": expectation failed: " << detail << "\n";
    }
    return true;
}

int ScriptRunner::Run(std::istream& script, const std::string& name) {
    m_name = name;
    m_script = &script;
    m_host.SetModalDriver([this](ModalWindow& window) { DriveModal(window); });
    Line line;
    while (!m_bad && NextLine(line))
        if (!Execute(line)) m_bad = true;
    m_host.SetModalDriver(nullptr);
    return m_bad ? 2 : m_failed ? 1 : 0;
}

bool ScriptRunner::NextLine(Line& line) {
    std::string text;
    while (std::getline(*m_script, text)) {
        ++m_lineNumber;
        if (auto hash = text.find('#'); hash != std::string::npos) text.erase(hash);
        if (!text.empty() && text.back() == '\r') text.pop_back();
        line = Line{m_lineNumber, {}, {}};
        std::istringstream words(text);
        for (std::string word; words >> word;) line.words.push_back(word);
        if (line.words.empty()) continue;
        auto start = text.find(line.words[0]) + line.words[0].size();
        line.rest = text.substr(std::min(text.size(), text.find_first_not_of(" \t", start)));
        return true;
    }
    return false;
}

void ScriptRunner::DriveModal(ModalWindow& window) {
    m_open.push_back(&window);
    Line line;
    while (!m_bad && !window.Closed()) {
        if (!NextLine(line)) {
            m_err << m_name << ":" << m_lineNumber << ": the script ended with a keyboard open\n";
            m_bad = true;
        } else if (!Execute(line)) {
            m_bad = true;
        }
    }
    m_open.pop_back();
    // A bad run cancels whatever is still open, so the panel unwinds to the end of the run.
    if (!window.Closed()) window.OnEscape();
}

bool ScriptRunner::Key(const Line& line) {
    if (line.words.size() != 2) return Bad(line, "usage: key NAME");
    if (m_open.empty()) return Bad(line, "no keyboard is open");
    ModalWindow& window = *m_open.back();
    const std::string& name = line.words[1];
    if (name == "Escape") {
        window.OnEscape();
        return true;
    }
    engine::Page* page = window.View().CurrentPage();
    engine::DrawObject* key = page ? page->FindObject(name) : nullptr;
    if (!key) return Bad(line, "the keyboard has no key \"" + name + "\"");
    page->GetSelection().Clear();
    page->GetSelection().Add(key);
    window.OnClick();
    return true;
}

bool ScriptRunner::Execute(const Line& line) {
    const auto& w = line.words;
    const std::string& command = w[0];
    auto argumentCount = [&](size_t least, size_t most) {
        return w.size() - 1 >= least && w.size() - 1 <= most;
    };
    auto integer = [&](size_t i, long long& out) { return ParseInt(w[i], out); };

    // AREA INDEX [.. FORMAT at `formatAt`]: the cell a command names.
    auto cell = [&](size_t formatAt, Cell& out) {
        auto area = AreaFromName(w[1]);
        long long index = 0, format = 0;
        if (!area) return Bad(line, "unknown area \"" + w[1] + "\"");
        if (!integer(2, index)) return Bad(line, "bad index \"" + w[2] + "\"");
        if (w.size() > formatAt && (!integer(formatAt, format) || format < 0 || format > 7))
            return Bad(line, "bad format \"" + w[formatAt] + "\"");
        if (Info(*area).kind == AreaKind::Bit) format = 7;
        out = {*area, static_cast<std::int32_t>(index), static_cast<int>(format)};
        return true;
    };
    auto read = [&](const Cell& c) -> double {
        PanelMemory& memory = m_panel.Memory();
        if (c.format == 7) return memory.ReadBit(c.area, c.index).value;
        std::uint8_t bytes[4] = {};
        memory.CopyOut(c.area, 2 * static_cast<std::int64_t>(c.index),
                       std::span<std::uint8_t>(bytes, FormatWidth(c.format)));
        return DecodeValue(c.format, bytes);
    };

    if (command == "wait") {
        long long ms = 0;
        if (!argumentCount(1, 1) || !integer(1, ms) || ms < 0) return Bad(line, "usage: wait MS");
        m_host.Advance(ms);
        return true;
    }
    bool pointer = command == "touch" || command == "click" || command == "release";
    if (pointer && !m_open.empty())
        return Bad(line, "a keyboard is open: only key, wait and checks until it closes");
    if (command == "touch" || command == "click") {
        long long x = 0, y = 0;
        if (!argumentCount(2, 2) || !integer(1, x) || !integer(2, y))
            return Bad(line, "usage: " + command + " X Y");
        m_host.SetCursor(static_cast<int>(x) + m_panel.OffsetX(), static_cast<int>(y) + m_panel.OffsetY());
        m_panel.Touch();
        if (command == "click") m_panel.Release();
        return true;
    }
    if (command == "release") {
        if (!argumentCount(0, 0)) return Bad(line, "usage: release");
        m_panel.Release();
        return true;
    }
    if (command == "key") return Key(line);
    if (command == "set") {
        Cell c{};
        double value = 0;
        if (!argumentCount(3, 4)) return Bad(line, "usage: set AREA INDEX VALUE [FORMAT]");
        if (!cell(4, c)) return false;
        if (!ParseNumber(w[3], value)) return Bad(line, "bad value \"" + w[3] + "\"");
        PanelMemory& memory = m_panel.Memory();
        bool stored = false;
        if (c.format == 7) {
            if (value != 0 && value != 1) return Bad(line, "a bit takes 0 or 1");
            stored = memory.WriteBit(c.area, c.index, value != 0);
        } else if (c.format == 6) {
            stored = memory.WriteFloat(c.area, c.index, static_cast<float>(value));
        } else {
            auto integerValue = static_cast<long long>(value);
            auto raw = static_cast<std::uint32_t>(c.format == 4 || c.format == 5 ? ToBcd(integerValue)
                                                                                 : integerValue);
            stored = FormatWidth(c.format) == 4
                         ? memory.WriteDWord(c.area, c.index, raw)
                         : memory.WriteWord(c.area, c.index, static_cast<std::uint16_t>(raw));
        }
        if (!stored) return Bad(line, "no such cell: " + w[1] + " " + w[2]);
        return true;
    }
    if (command == "expect") {
        Cell c{};
        double want = 0;
        if (!argumentCount(3, 4)) return Bad(line, "usage: expect AREA INDEX VALUE [FORMAT]");
        if (!cell(4, c)) return false;
        if (!ParseNumber(w[3], want)) return Bad(line, "bad value \"" + w[3] + "\"");
        double have = read(c);
        bool held =
            c.format == 6 ? std::fabs(have - want) <= 1e-6 * std::max(1.0, std::fabs(want)) : have == want;
        return Expect(held, line, w[1] + " " + w[2] + " is " + FormatValue(have) + ", expected " + w[3]);
    }
    if (command == "print") {
        Cell c{};
        long long count = 1;
        if (!argumentCount(2, 4)) return Bad(line, "usage: print AREA INDEX [COUNT] [FORMAT]");
        if (!cell(4, c)) return false;
        if (w.size() > 3 && (!integer(3, count) || count < 1)) return Bad(line, "bad count \"" + w[3] + "\"");
        int step = FormatWidth(c.format) == 4 ? 2 : 1;
        for (long long i = 0; i < count; ++i, c.index += step)
            m_out << w[1] << " " << c.index << " " << FormatValue(read(c)) << "\n";
        return true;
    }
    if (command == "expect-prop") {
        long long index = 0;
        if (!argumentCount(3, 3) || !integer(1, index))
            return Bad(line, "usage: expect-prop INDEX PATH VALUE");
        engine::Page* page = m_panel.View().CurrentPage();
        engine::DrawObject* object = page ? page->ObjectAt(static_cast<int>(index)) : nullptr;
        if (!object) return Bad(line, "no object " + w[1] + " on the shown page");
        auto value = object->GetProperty(w[2]);
        if (!value) return Bad(line, "object " + w[1] + " has no property \"" + w[2] + "\"");
        std::string have = engine::CodePageToUtf8(engine::VariantText(*value));
        double a = 0, b = 0;
        bool held = have == w[3] || (ParseNumber(have, a) && ParseNumber(w[3], b) && a == b);
        return Expect(held, line,
                      "object " + w[1] + " " + w[2] + " is \"" + have + "\", expected \"" + w[3] + "\"");
    }
    if (command == "expect-screen") {
        long long screen = 0;
        if (!argumentCount(1, 1) || !integer(1, screen)) return Bad(line, "usage: expect-screen N");
        int shown = m_panel.View().CurrentPageIndex();
        return Expect(shown == screen, line, "screen is " + std::to_string(shown) + ", expected " + w[1]);
    }
    if (command == "expect-message") {
        if (line.rest.empty()) return Bad(line, "usage: expect-message TEXT");
        bool seen = false;
        for (const std::string& message : m_host.TakeMessages())
            seen = seen || engine::CodePageToUtf8(message) == line.rest;
        return Expect(seen, line, "no message box \"" + line.rest + "\"");
    }
    if (command == "expect-queue") {
        long long count = 0;
        if (!argumentCount(1, 1) || !integer(1, count)) return Bad(line, "usage: expect-queue N");
        int waiting = m_panel.Queue().Count();
        return Expect(waiting == count, line,
                      std::to_string(waiting) + " write requests are queued, expected " + w[1]);
    }
    if (command == "screenshot") {
        if (!argumentCount(1, 1)) return Bad(line, "usage: screenshot FILE.png");
        std::string error = "screenshots are not available in this run";
        if (!m_screenshot || !m_screenshot(w[1], error)) return Bad(line, error);
        return true;
    }
    return Bad(line, "unknown command \"" + command + "\"");
}

}  // namespace sim
