#pragma once
// A folder of the running test's own, under the system's temporary folder: CTest runs tests side by
// side, so no two tests may share a file. It is emptied on the first call of each test.

#include <gtest/gtest.h>

#include <filesystem>

namespace test_support {

inline std::filesystem::path ScratchFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "hmisim-tests" / info->test_suite_name() / info->name();
    static std::filesystem::path madeLast;
    if (folder != madeLast) {
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        madeLast = folder;
    }
    return folder;
}

}  // namespace test_support
