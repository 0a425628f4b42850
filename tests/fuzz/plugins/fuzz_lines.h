#pragma once
// The harnesses read their input as lines, so that stored inputs stay readable: each line is one
// argument, a text as it stands or a number in decimal. Missing lines read as empty or 0.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace fuzzplugins {

class FuzzLines {
  public:
    FuzzLines(const uint8_t* data, size_t size) : m_data(reinterpret_cast<const char*>(data)), m_size(size) {}

    std::string Text() {
        size_t end = m_at;
        while (end < m_size && m_data[end] != '\n') ++end;
        std::string line(m_data + m_at, m_data + end);
        m_at = end < m_size ? end + 1 : end;
        return line;
    }

    // A signed decimal, wrapped into 32 bits (the fuzzer may write any digits).
    int32_t Number() {
        const std::string line = Text();
        size_t i = 0;
        const bool negative = !line.empty() && line[0] == '-';
        if (negative) ++i;
        uint32_t value = 0;
        for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i)
            value = value * 10u + (line[i] - '0');
        return static_cast<int32_t>(negative ? 0u - value : value);
    }

    // A number folded into [low, high].
    int32_t Within(int32_t low, int32_t high) {
        const int64_t span = int64_t{high} - low + 1;
        const int64_t value = Number();
        return static_cast<int32_t>(low + ((value % span) + span) % span);
    }

    // Comma-separated numbers.
    std::vector<int32_t> Numbers() {
        std::vector<int32_t> values;
        const std::string line = Text();
        size_t start = 0;
        while (start <= line.size() && !line.empty()) {
            size_t comma = line.find(',', start);
            if (comma == std::string::npos) comma = line.size();
            values.push_back(std::atoi(line.substr(start, comma - start).c_str()));
            start = comma + 1;
        }
        return values;
    }

  private:
    const char* m_data;
    size_t m_size;
    size_t m_at = 0;
};

// Stops the run when a plug-in breaks its contract in a way the sanitizers cannot see.
inline void Require(bool condition) {
    if (!condition) __builtin_trap();
}

}  // namespace fuzzplugins
