#pragma once
// The three converter libraries and their one export each. The simulator binds them at run time by
// these file and symbol names (dlopen/dlsym); each library exports its entry point with C linkage and
// hides every other symbol.
//
//   Areamap.dll  ConverStr  PLC register name -> panel memory area name
//   Addrmap.dll  addrmap    PLC register name + address text -> index within that area
//   Regpeek.dll  valuate    any register (panel or PLC) -> its value copied into ValueScratch
//
// Text arguments are zero-terminated 8-bit strings owned by the caller. All three are pure functions
// of their arguments (valuate also of the memory it reads) and keep no state, so any thread may call
// them.
//
// How each PLC family's registers land in panel memory. ConverStr and valuate use the same table, so
// the area a part resolves and the area the reader reads always agree; addrmap produces the index that
// valuate and the PLC exchange interpret alike (bit number in a bit area, word number in a word area).
// docs/plc-areas.md carries the same table with the reasoning behind it.
//
//   protocol  model   family           register  area  address text -> index
//   any       any     panel            LB        LB    decimal
//                                      LW        LW    decimal
//                                      RWI       RWI   decimal
//   0, 33     0, 1    Mitsubishi FX    X         X     octal            (X17 -> 15)
//             2       (FX2N, FX,       Y         Y     octal
//                      FX3U)           M         M     decimal
//                                      S         L     decimal          (step relays)
//                                      T         T     decimal          (timer contacts)
//                                      C         C     decimal          (counter contacts)
//                                      D         D     decimal
//                                      T*        TT    decimal          (timer current values)
//                                      C*        CC    decimal          (counter current values)
//             2 only                   CV32      N     decimal          (32-bit counter values)
//   19        0       Modbus RTU       0x        M     decimal          (coils)
//                                      1x        X     decimal          (discrete inputs)
//                                      3x        EM    decimal          (input registers)
//                                      4x        D     decimal          (holding registers)
//                                      3x_Bit    Y     word.bit16       (bit b of input register w)
//                                      4x_Bit    L     word.bit16       (bit b of holding register w)
//   19        other   Modbus, other    as model 0, every address text decimal
//   18        any     Modbus family    as model 0, every address text decimal
//   2         0       Omron CPM        IR        Y     word.bit16       (I/O relays)
//                                      HR        M     word.bit16       (holding relays)
//                                      AR        L     word.bit16       (auxiliary relays)
//                                      LR        X     word.bit16       (link relays)
//                                      TC        T     decimal          (timer/counter flags)
//                                      DM        D     decimal          (data memory)
//                                      TC*       TT    decimal          (timer/counter values)
//                                      IR_W      EM    decimal          (IR as whole words)
//
// Address text rules (any text is accepted; a character that is not a digit counts as 0):
//   decimal     the leading decimal integer; no digits gives 0
//   octal       each character's digit value times 8 to the power of its place from the right
//   word.bit16  "w.b" gives 16 x w + (b mod 100); no dot, or a dot at the end, gives bit 0 of word w
//
// Names a family does not list, protocol/model pairs without a row, and empty texts resolve to no
// area (ConverStr gives "") and no index (addrmap gives kNoIndex); valuate then reads nothing.

#ifdef __cplusplus
extern "C" {
#endif

// Areamap.dll. Returns the area name, or "" for a register the family does not have. The text is a
// constant inside the library: it stays valid only while the library is loaded, so copy it first.
typedef const char* (*ConverStrFn)(const char* registerName, int protocol, int model);

// Addrmap.dll. Returns the register's index within its area, or kNoIndex.
typedef int (*AddrmapFn)(const char* registerName, const char* addressText, int protocol, int model);

// Regpeek.dll. `areaTable` holds the fifteen area base pointers in the order
// X, Y, D, M, T, C, TT, CC, LB, LW, RWI, ValueScratch, N, L, EM (sizes as in simulator/memory/areas.h).
// Copies the value of `registerName` at `index` into ValueScratch at `scratchOffset`: format 7 one byte
// (0 or 1), formats 0, 2, 4 two bytes, formats 1, 3, 5, 6 four bytes, least significant first.
//   - a word format on a bit area packs that many bits from `index` on, lowest bit first;
//   - the bit format on a word area gives bit 0 of the word;
//   - an index whose value does not lie wholly inside the area reads as 0;
//   - an unknown register, an unknown format or a scratch run outside ValueScratch writes nothing.
typedef void (*ValuateFn)(void* const* areaTable, const char* registerName, int index, int scratchOffset,
                          int format, int protocol, int model);

#ifdef __cplusplus
}

namespace conv {

inline constexpr const char* kAreamapFile = "Areamap.dll";
inline constexpr const char* kAddrmapFile = "Addrmap.dll";
inline constexpr const char* kRegpeekFile = "Regpeek.dll";
inline constexpr const char* kConverStrSymbol = "ConverStr";
inline constexpr const char* kAddrmapSymbol = "addrmap";
inline constexpr const char* kValuateSymbol = "valuate";

// No address can produce it: every area index is 0 or more.
inline constexpr int kNoIndex = -1;

}  // namespace conv
#endif

// Marks the one entry point a converter library exports.
#define HMI_CONVERTER_EXPORT __attribute__((visibility("default")))
