#include "simulator/memory/converter_binding.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <thread>
#include <vector>

#include "converters/include/plc_converters.h"
#include "tests/support/fake_host.h"

namespace sim {
namespace {

using Loading = ConverterBinding::Loading;

class BindingTest : public ::testing::TestWithParam<Loading> {
  protected:
    std::array<std::uint8_t, 4> Scratch(int offset) {
        std::array<std::uint8_t, 4> out{};
        memory.CopyOut(Area::ValueScratch, offset, out);
        return out;
    }

    FakeHost host;
    PanelMemory memory;
};

TEST_P(BindingTest, CallsTheLibrariesInTheFolder) {
    ConverterBinding binding(host, HMI_RUN_DIR, GetParam());
    for (int round = 0; round < 2; ++round) {  // the second round runs on cached libraries
        EXPECT_EQ(binding.ConverStr("4x_Bit", 19, 0), "L");
        EXPECT_EQ(binding.Addrmap("4x_Bit", "10.05", 19, 0), 165);
        EXPECT_EQ(binding.Addrmap("Q", "1", 19, 0), conv::kNoIndex);

        memory.WriteBit(Area::L, 165, true);
        EXPECT_TRUE(binding.Valuate(memory, "4x_Bit", 165, 99996, 7, 19, 0));
        EXPECT_EQ(memory.ScratchValue(99996, 7), 1);
        memory.WriteDWord(Area::D, 8, 0xFFFFFFFE);
        EXPECT_TRUE(binding.Valuate(memory, "D", 8, 1, 3, 0, 0));
        EXPECT_EQ(memory.ScratchValue(1, 3), -2);
    }
    EXPECT_TRUE(host.messages.empty());
}

// A library that is absent, or present without its export, is reported at every call and never
// called; each call yields its fallback and the reader leaves ValueScratch alone.
TEST_P(BindingTest, MissingOrBrokenLibraryIsReportedAtEveryCall) {
    const std::string folders[] = {HMI_BINARY_DIR "/no-such-folder", HMI_BROKEN_CONVERTER_DIR};
    for (const std::string& folder : folders) {
        SCOPED_TRACE(folder);
        host.messages.clear();
        ConverterBinding binding(host, folder, GetParam());
        const std::array<std::uint8_t, 4> before{1, 2, 3, 4};
        memory.CopyIn(Area::ValueScratch, 0, before);
        memory.WriteWord(Area::D, 0, 0x7777);

        for (int round = 0; round < 2; ++round) {
            const std::string area = binding.ConverStr("D", 0, 0);
            EXPECT_EQ(area, ConverterBinding::kMissingArea);
            EXPECT_EQ(area.size(), 1u);
            EXPECT_FALSE(AreaFromName(area).has_value());
            EXPECT_EQ(binding.Addrmap("D", "5", 0, 0), ConverterBinding::kMissingIndex);
            EXPECT_FALSE(binding.Valuate(memory, "D", 0, 0, 0, 0, 0));
            EXPECT_EQ(Scratch(0), before);
        }
        ASSERT_EQ(host.messages.size(), 6u);
        for (const std::string& message : host.messages)
            EXPECT_EQ(message, ConverterBinding::kMissingMessage);
    }
}

TEST_P(BindingTest, EmptyRegisterNameReadsNothingAndNeedsNoLibrary) {
    ConverterBinding binding(host, HMI_BINARY_DIR "/no-such-folder", GetParam());
    EXPECT_TRUE(binding.Valuate(memory, "", 0, 0, 0, 0, 0));
    EXPECT_TRUE(host.messages.empty());
}

// The window thread reads registers while the exchange thread converts the area names of replies;
// the first calls race to load the libraries.
TEST_P(BindingTest, ThreadsShareOneBinding) {
    ConverterBinding binding(host, HMI_RUN_DIR, GetParam());
    auto convert = [&] {
        for (int i = 0; i < 50; ++i) EXPECT_EQ(binding.ConverStr("4x", 19, 0), "D");
    };
    std::thread exchange(convert);
    for (int i = 0; i < 50; ++i) EXPECT_EQ(binding.Addrmap("X", "17", 0, 0), 15);
    convert();
    exchange.join();
    EXPECT_TRUE(host.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Loading, BindingTest, ::testing::Values(Loading::Cached, Loading::PerCall),
                         [](const auto& info) {
                             return info.param == Loading::Cached ? "Cached" : "PerCall";
                         });

}  // namespace
}  // namespace sim
