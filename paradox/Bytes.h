// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>
#include <bit>
#include <cstring>

// Byte-level encodings of Paradox files. Header integers are little-endian; field values are
// big-endian with the sign bit flipped so that the stored bytes sort like the numbers.
namespace paradox::bytes {

inline quint16 readLE16(const char *p)
{
    const auto *u = reinterpret_cast<const quint8 *>(p);
    return static_cast<quint16>(u[0] | (u[1] << 8));
}

inline quint32 readLE32(const char *p)
{
    const auto *u = reinterpret_cast<const quint8 *>(p);
    return u[0] | (u[1] << 8) | (u[2] << 16) | (static_cast<quint32>(u[3]) << 24);
}

inline void writeLE16(char *p, quint16 value)
{
    p[0] = static_cast<char>(value & 0xFF);
    p[1] = static_cast<char>(value >> 8);
}

inline void writeLE32(char *p, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

inline bool isBlank(const char *p, int size)
{
    for (int i = 0; i < size; ++i) {
        if (p[i] != 0)
            return false;
    }
    return true;
}

inline qint16 decodeShort(const char *p)
{
    const auto *u = reinterpret_cast<const quint8 *>(p);
    return static_cast<qint16>(((u[0] << 8) | u[1]) ^ 0x8000);
}

inline qint32 decodeLong(const char *p)
{
    const auto *u = reinterpret_cast<const quint8 *>(p);
    const quint32 raw = (static_cast<quint32>(u[0]) << 24) | (u[1] << 16) | (u[2] << 8) | u[3];
    return static_cast<qint32>(raw ^ 0x80000000u);
}

inline double decodeNumber(const char *p)
{
    quint64 raw = 0;
    for (int i = 0; i < 8; ++i)
        raw = (raw << 8) | static_cast<quint8>(p[i]);
    raw = (raw & 0x8000000000000000ull) ? (raw & 0x7FFFFFFFFFFFFFFFull) : ~raw;
    return std::bit_cast<double>(raw);
}

inline void encodeShort(char *p, qint16 value)
{
    const quint16 raw = static_cast<quint16>(value) ^ 0x8000;
    p[0] = static_cast<char>(raw >> 8);
    p[1] = static_cast<char>(raw & 0xFF);
}

inline void encodeLong(char *p, qint32 value)
{
    const quint32 raw = static_cast<quint32>(value) ^ 0x80000000u;
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<char>((raw >> (24 - 8 * i)) & 0xFF);
}

inline void encodeNumber(char *p, double value)
{
    quint64 raw = std::bit_cast<quint64>(value);
    raw = (raw & 0x8000000000000000ull) ? ~raw : (raw | 0x8000000000000000ull);
    for (int i = 0; i < 8; ++i)
        p[i] = static_cast<char>((raw >> (56 - 8 * i)) & 0xFF);
}

}
