#include "simulator/shell/project/project_settings.h"

#include "simulator/shell/project/fixed_columns.h"

namespace sim {

namespace {

// Columns of the settings text.
constexpr std::size_t kPortRecords = 0;  // two records of PlcLink::kRecordBytes
constexpr Column kNumber156{156, 4};
constexpr Column kOrientation{160, 4};
constexpr Column kMotionNumber{164, 4};  // two, 4 apart
constexpr Column kStartScreen{172, 4};
constexpr Column kScanTime{176, 4};
constexpr Column kNumber180{180, 4};  // four, 4 apart
constexpr Column kBeepOff{196, 4};
constexpr Column kPassword{200, 8};  // eight, 8 apart
constexpr Column kInitialUserLevel{264, 1};
constexpr std::size_t kRegisterTable1 = 265;
constexpr Column kSystemWordFlag{625, 4};         // three, 4 apart
constexpr Column kSystemWordGroupNumber{637, 4};  // two groups of 16, four numbers 4 apart
constexpr std::size_t kSystemWordGroupBytes = 16;
constexpr std::size_t kSystemWords = 669;
constexpr std::size_t kRegisterTable2 = 797;
constexpr Column kLock3Flag{1157, 4};
constexpr Column kRecipeFlag{1161, 4};

// Within a register table entry (36 characters): four numbers, then name and address.
constexpr std::size_t kRegisterEntryBytes = 36;
constexpr Column kRegisterNumber{0, 4};
constexpr Column kRegisterName{16, 10};
constexpr Column kRegisterAddress{26, 10};

// Within a system word entry (32 characters): three numbers, then name and address.
constexpr std::size_t kSystemWordBytes = 32;
constexpr Column kSystemWordNumber{0, 4};
constexpr Column kSystemWordName{12, 10};
constexpr Column kSystemWordAddress{22, 10};

template <std::size_t N>
void ReadNumbers(std::string_view text, Column first, std::array<std::int32_t, N>& out) {
    for (std::size_t k = 0; k < N; ++k) out[k] = FieldNumber(text, Shifted(first, first.len * k));
}

template <std::size_t N>
void ReadRegisterTable(std::string_view text, std::size_t at, std::array<RegisterEntry, N>& table) {
    for (std::size_t k = 0; k < N; ++k) {
        const std::size_t base = at + kRegisterEntryBytes * k;
        ReadNumbers(text, Shifted(kRegisterNumber, base), table[k].numbers);
        table[k].registerName = FieldText(text, Shifted(kRegisterName, base));
        table[k].addressText = FieldText(text, Shifted(kRegisterAddress, base));
    }
}

}  // namespace

ProjectSettings ReadProjectSettings(std::string_view text) {
    ProjectSettings s;
    for (std::size_t port = 0; port < s.ports.size(); ++port)
        s.ports[port] = ReadPlcLink(text, kPortRecords + PlcLink::kRecordBytes * port);
    s.number156 = FieldNumber(text, kNumber156);
    s.orientation = FieldNumber(text, kOrientation);
    ReadNumbers(text, kMotionNumber, s.motionNumbers);
    s.startScreen = FieldNumber(text, kStartScreen);
    s.scanTime = FieldNumber(text, kScanTime);
    ReadNumbers(text, kNumber180, s.numbers180);
    s.beepOff = FieldNumber(text, kBeepOff);
    for (std::size_t k = 0; k < s.passwords.size(); ++k)
        s.passwords[k] = FieldText(text, Shifted(kPassword, kPassword.len * k));
    s.initialUserLevel = FieldNumber(text, kInitialUserLevel);
    ReadRegisterTable(text, kRegisterTable1, s.registerTable1);
    ReadNumbers(text, kSystemWordFlag, s.systemWordFlags);
    for (std::size_t g = 0; g < s.systemWordGroups.size(); ++g)
        ReadNumbers(text, Shifted(kSystemWordGroupNumber, kSystemWordGroupBytes * g), s.systemWordGroups[g]);
    for (std::size_t k = 0; k < s.systemWords.size(); ++k) {
        const std::size_t base = kSystemWords + kSystemWordBytes * k;
        ReadNumbers(text, Shifted(kSystemWordNumber, base), s.systemWords[k].numbers);
        s.systemWords[k].registerName = FieldText(text, Shifted(kSystemWordName, base));
        s.systemWords[k].addressText = FieldText(text, Shifted(kSystemWordAddress, base));
    }
    ReadRegisterTable(text, kRegisterTable2, s.registerTable2);
    s.lock3Flag = FieldNumber(text, kLock3Flag);
    s.recipeFlag = FieldNumber(text, kRecipeFlag);
    return s;
}

}  // namespace sim
