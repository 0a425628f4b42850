#pragma once
/*
 * The five address-text plug-ins of the design tool and the records they share.
 *
 * Each plug-in is a shared library of the same name (cellfill.so, groupfill.so, indexer.so, stepper.so,
 * renamer.so) that exports exactly one function, declared below, with the C calling convention. The
 * functions keep no state: everything that must survive between calls lives in memory the caller owns.
 * They never print, never allocate memory the caller must free and may be called from any thread at
 * the same time, as long as two calls do not share writable buffers.
 *
 * Binding of the design tool's objects:
 *  - a text going in is a zero-terminated byte string; a null pointer reads as the empty text;
 *  - a text coming out is written into a buffer the caller owns, together with its size in bytes
 *    (terminator included); nothing is ever written past that size. A result that does not fit is
 *    never cut short (a truncated address would name another register): the buffer then receives the
 *    empty text;
 *  - the grid is a PlcGrid, a context pointer and a cell-put callback;
 *  - the connection records and address records are the structs below, with the fields the plug-ins
 *    read at their fixed positions.
 *
 * Area names are compared exactly, letter case included.
 */

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__GNUC__)
#define PLCADDR_EXPORT __attribute__((visibility("default")))
#else
#define PLCADDR_EXPORT
#endif

/*
 * One PLC connection record of the project: 64 bytes, sixteen 32-bit fields. The plug-ins read only
 * `protocol` (fourth field) and `model` (fifth field); the others belong to the online link.
 *
 * Records are indexed by PLC number: the array a caller passes holds PLCADDR_LINK_COUNT records,
 * record 1 serving PLC 1 and record 2 PLC 2. Record 0 stands for the panel's own memory and is never
 * read.
 */
typedef struct PlcLink {
    int32_t leading[3];
    int32_t protocol;
    int32_t model;
    int32_t trailing[11];
} PlcLink;

#define PLCADDR_LINK_COUNT 3

/*
 * One address record of the design tool: six fields in this order. The plug-ins read the PLC number
 * (second field: 0 = the panel's own memory, 1 or 2 = that PLC), the address text (fifth) and the
 * area name (sixth). The texts are owned by the caller and only read.
 */
typedef struct AddressRecord {
    int32_t field1;
    int32_t plcNumber;
    int32_t field3;
    int32_t field4;
    const char* addressText;
    const char* areaName;
} AddressRecord;

/*
 * The grid control. putCellText is called once for every cell written, on the calling thread, before
 * the plug-in returns; `text` is zero-terminated, owned by the plug-in and valid only during the
 * callback (copy it to keep it). Column is always 0; rows are 1 .. row count - 1 (row 0 is the header).
 */
typedef struct PlcGrid {
    void* context;
    void (*putCellText)(void* context, int32_t row, int32_t column, const char* text);
} PlcGrid;

/* A caller-owned text buffer that receives one result of `stepper`. */
typedef struct PlcText {
    char* text;
    size_t size; /* bytes available at `text`, terminator included */
} PlcText;

/* What `indexer` returns when an address has no index. No address text produces this value. */
#define PLCADDR_NO_INDEX INT32_MIN

/*
 * cellfill: writes a run of consecutive addresses into column 0 of rows 1 .. rowCount - 1, one per row,
 * each cell holding the area name followed by the address in the notation of the PLC family.
 *
 * Reads records[startRecord] (PLC number, address text, area name) and, for PLC 1 or 2,
 * links[plcNumber].protocol and .model. Writes only through grid->putCellText.
 *
 * Nothing is written when grid, its callback or records is null, startRecord is negative, the PLC
 * number is not 0, 1 or 2, links is null for PLC 1 or 2, or the protocol row writes nothing
 * (protocol 15, an unlisted area of protocol 43, codes outside 0..43).
 *
 * Notes on the notations:
 *  - word.bit keeps the word as written ("0100.15") until the bit passes the last bit of the word;
 *    from then on the word is written as a number ("101.00");
 *  - a bit position that passes the last bit of its word or byte (also a start such as 2.9 or 100.20)
 *    goes on at bit 0 of the next word or byte;
 *  - tens-and-octal-digit is written "%d%d", so 6 shows as 06;
 *  - limits (255 for prefix:n, 4096 for prefix:a/b, 5F for the hex suffix, 255 and 1023 in protocol
 *    43) are repeated on every further row.
 */
PLCADDR_EXPORT void cellfill(const PlcGrid* grid, const PlcLink* links, const AddressRecord* records,
                             int32_t rowCount, int32_t startRecord);

/*
 * groupfill: as cellfill, but writes rows 1, 5, 9, ... only and steps by the data type of each written
 * row: rowTypes[row] (rowTypes holds rowCount entries, indexed by grid row; null counts every row as a
 * one-word type) of 1, 3, 5 or 6 is a two-word type. The position advances by 2 after a two-word row and 1 otherwise (4 and 2 for the
 * byte-addressed protocols 4, 9, 22, 27, 28; always 1 for area CV32 of protocol 0 outside model 3).
 * The word.bit areas of protocol 6 (DT_Bit, DT_BIT, WL_Bit) and every area of protocol 23 fill every
 * row with a step of 1, as cellfill does.
 *
 * Decisions for the cases the tables leave open:
 *  - a bit position that passes the last bit of its word or byte starts again at bit 0 of the next
 *    word or byte (a two-word step from bit 15 gives bit 00 of the next word, never bit 17);
 *  - protocol 5, other models: the word.bit areas are %MX1_, %MX3_ and %MX10_, and the spellings
 *    MX3_ and MX10_ are accepted as well;
 *  - protocol 14 is decimal in every area; byte.bit reads the bit after the point as an integer;
 *  - protocol 43: I, O, C, S stop above 255, A above 1023, areas not named above 20000; B keeps the
 *    word part as written and counts the number after the dot as a plain decimal ("%d"), stopping
 *    above 31. "Stop" means no further row is written.
 *  - tens-and-octal-digit keeps the tens as written ("7" shows as 7, then 10) until the first carry.
 */
PLCADDR_EXPORT void groupfill(const PlcGrid* grid, const PlcLink* links, const AddressRecord* records,
                              const int32_t* rowTypes, int32_t rowCount, int32_t startRecord);

/*
 * indexer: the register's position in the panel memory's linear layout of its area, for the address
 * text written in the notation of the PLC family (protocol, model). Reads the two texts only.
 *
 * Returns PLCADDR_NO_INDEX for an empty address text, a protocol outside 0..43 and the areas a protocol
 * has no index for. -1 is a real result (protocols 30 and 32 count from 1, so their address 0 gives -1).
 * Decimal values are the leading digits of the text (no sign); results beyond the 32-bit range are held
 * at its ends.
 */
PLCADDR_EXPORT int32_t indexer(const char* addressText, int32_t protocol, int32_t model,
                               const char* areaName);

/*
 * stepper: the address text of copy n of a part, the start address advanced by step * n in the notation
 * of the PLC family.
 *
 * Adds 1 to *copyCounter (n is the new value) on every call with a non-null counter. PLC number 0 writes
 * the decimal start plus step * n; PLC 1 or 2 reads links[plcNumber].protocol and .model. The text goes
 * to outputs[outputIndex]. The hundreds-16 notation (protocol 14, areas R, MR, LR, CR) ignores the
 * counter: it reads and writes lastValues[slot] (0 = not yet set, then the start text is taken).
 *
 * outputs[outputIndex] keeps what it held when: copyCounter or outputs is null, outputIndex or slot is
 * negative, lastValues is null for hundreds-16, links is null for PLC 1 or 2, the PLC number is not 0,
 * 1 or 2, the protocol row writes nothing (protocol 15, an area of protocol 43 other than W, A, I, O, C,
 * S, B, codes outside 0..43), a hundreds-16 value goes above 99915 (the value is still stored in the
 * slot), or the new position would be below 0 (there is no such register; a negative step that runs
 * past the start of the area produces no text rather than a wrapped one).
 *
 * Word.bit, byte.bit and tens-and-octal-digit positions are stepped as whole bit numbers, so a negative
 * step borrows from the word (100.02 stepped by -3 gives 99.15). Word+hex digit and hex suffix add
 * step * n like every other notation.
 */
PLCADDR_EXPORT void stepper(PlcText* outputs, const PlcLink* links, int32_t* copyCounter, int32_t* lastValues,
                            int32_t plcNumber, const char* areaName, const char* startText, int32_t step,
                            int32_t outputIndex, int32_t slot);

/*
 * renamer: the area name converted to the common single-letter area code of (protocol, model); a name
 * the protocol does not rename comes back unchanged, and T* and C* become t and c unless the row says
 * otherwise. An empty name or a protocol outside 0..43 gives the empty text.
 *
 * Writes the result into result[0 .. resultSize - 1] and returns its length (terminator excluded). When
 * resultSize is not larger than that length the buffer receives the empty text (if resultSize > 0) and
 * the return value tells the size needed. In protocol 6 DT_Bit and WL_Bit are matched exactly like every
 * other name: DT_BIT is not renamed (its addresses are indexed differently from DT_Bit's).
 */
PLCADDR_EXPORT size_t renamer(const char* areaName, int32_t protocol, int32_t model, char* result,
                              size_t resultSize);

#ifdef __cplusplus
}
#endif
