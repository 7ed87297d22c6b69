// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/SettingsTable.h"

#include "platform/core/ProfileFile.h"

qint32 IntegerSetting::read(const ProfileFile &file) const
{
    return file.readInteger(section, readKey, defaultValue);
}

void IntegerSetting::write(ProfileFile &file, qint32 value) const
{
    file.writeInteger(section, writeKey, value);
}

QString TextSetting::read(const ProfileFile &file) const
{
    return file.readString(section, key, defaultValue);
}

void TextSetting::write(ProfileFile &file, const QString &value) const
{
    file.writeString(section, key, value);
}
