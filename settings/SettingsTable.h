// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <limits>

class ProfileFile;

// An integer in Test.ini: where it is, what a missing or unusable value gives, and the values
// the program takes from the file.
struct IntegerSetting
{
    QString section;
    QString readKey;
    QString writeKey; // the same key; keys match in any case
    qint32 defaultValue = 0;
    qint32 minimum = std::numeric_limits<qint32>::min();
    qint32 maximum = std::numeric_limits<qint32>::max();

    bool accepts(qint32 value) const { return value >= minimum && value <= maximum; }
    qint32 read(const ProfileFile &file) const;
    void write(ProfileFile &file, qint32 value) const;
};

// A text in Test.ini.
struct TextSetting
{
    QString section;
    QString key;
    QString defaultValue;

    QString read(const ProfileFile &file) const;
    void write(ProfileFile &file, const QString &value) const;
};

// Every setting of Test.ini, for the start-up settings step and both dialogs.
namespace SettingsTable {

// A time of day holds 0 to 59 minutes.
inline const IntegerSetting TestMinutes{QStringLiteral("Test"), QStringLiteral("DobaTestu"),
                                        QStringLiteral("DobaTestu"), 30, 0, 59};
// The configuration dialog lets no longer test be typed.
constexpr qint32 TypedTestMinutesMaximum = 50;
// Read as LokrTisk and written as LOkrTisk, as the original program spelled them; the file
// matches keys in any case, so both are one key.
inline const IntegerSetting PrinterLeftMargin{QStringLiteral("Tisk"), QStringLiteral("LokrTisk"),
                                              QStringLiteral("LOkrTisk"), 10};
// 0 small, 1 medium, 2 large; any other index leaves the text size as it was.
inline const IntegerSetting FontSizeIndex{QStringLiteral("Test"), QStringLiteral("IVelPisOt"),
                                          QStringLiteral("IVelPisOt"), 1, 0, 2};
// The stored key-print password; the default is "0" in its stored form.
inline const TextSetting KeyPassword{QStringLiteral("Tisk"), QStringLiteral("wht"), QStringLiteral("48")};
// Whether attempts are recorded, where (empty: the default folder) and whether a name is asked.
inline const IntegerSetting KeepResults{QStringLiteral("Vysledky"), QStringLiteral("Ukladat"),
                                        QStringLiteral("Ukladat"), 1};
inline const TextSetting ResultsFolder{QStringLiteral("Vysledky"), QStringLiteral("Slozka"), QString()};
inline const IntegerSetting AskName{QStringLiteral("Vysledky"), QStringLiteral("Jmeno"), QStringLiteral("Jmeno"), 0};

}
