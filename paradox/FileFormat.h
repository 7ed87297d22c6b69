// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where things lie in a Paradox table file (.db) and its BLOB file (.mb). Offsets in bytes;
// header integers are little-endian. Reader and writer both take their positions from here.
namespace paradox::format {

// Header of the .db file (block 0).
enum HeaderOffset : int {
    RecordSize = 0x00,      // 2: bytes per record
    HeaderSize = 0x02,      // 2: bytes before the first data block
    FileType = 0x04,        // 1: 0 keyed, 2 non-keyed; others are index files
    BlockSizeKiB = 0x05,    // 1: 1, 2, 3, 4, 8, 16 or 32
    RecordCount = 0x06,     // 4
    BlocksUsed = 0x0A,      // 2
    BlocksInFile = 0x0C,    // 2: may count blocks the file no longer holds
    FirstBlock = 0x0E,      // 2: 1-based, 0 = none
    LastBlock = 0x10,       // 2
    FieldCount = 0x21,      // 2
    KeyFieldCount = 0x23,   // 2
    OldProtection = 0x25,   // 4: protection word before version 5; the plain-table mark after
    FileVersion = 0x39,     // 1: 3..12
    AutoIncrement = 0x49,   // 4
    FixedHeaderEnd = 0x58,  // field list of versions before 5; extended header from 5 on
    NewProtection = 0x5C,   // 4: protection word from version 5 on
    CodePage = 0x6A,        // 2: from version 5 on
    ExtendedFieldList = 0x78,
};

// Each field list entry: type byte, then size byte (a BCD field's decimal places).
constexpr int FieldEntrySize = 2;
// After the field list: one pointer, then one per field, all ignored.
constexpr int PointerSize = 4;
// The table name after the pointers, zero-padded.
constexpr int TableNameSize = 261;    // version 12
constexpr int OldTableNameSize = 79;  // before version 12
constexpr int FirstExtendedVersion = 5;
constexpr int Version7 = 12;
// Found in the old protection word of a table that has no password.
constexpr unsigned PlainTableMark = 0xFF00FF00u;

// Header of every data block.
enum BlockOffset : int {
    NextBlock = 0,          // 2: 0 = last
    PreviousBlock = 2,      // 2
    LastRecordOffset = 4,   // 2, signed: (records - 1) × record size; negative = none
    BlockHeaderSize = 6,
};

// Field sizes fixed by their type.
constexpr int BcdSize = 17;
constexpr int MaxBcdPlaces = 32;

// The tail of a BLOB field inside a record (N = field size).
enum BlobLeader : int {
    BlobLeaderSize = 10,    // the value's first N - 10 bytes come before it
    BlobBlockAndIndex = 0,  // 4: block offset in the .mb | index (0xFF = own block)
    BlobLength = 4,         // 4: 0 = blank
    BlobModification = 8,   // 2
};

// The .mb file: 4 KiB chunks, chunk 0 its header.
constexpr int MemoChunk = 4096;
enum MemoBlock : int {
    MemoBlockType = 0,      // 1: 2 own block, 3 sub-allocated
    MemoChunkCount = 1,     // 2
    OwnValueLength = 3,     // 4
    OwnModification = 7,    // 2
    OwnBlockHeader = 9,     // the value follows
    SubAllocatedHeader = 12, // 64 entries of 5 bytes follow
    SubAllocatedEntries = 64,
    SubAllocatedEntrySize = 5,
};
constexpr unsigned char OwnBlock = 2;
constexpr unsigned char SubAllocated = 3;

}
