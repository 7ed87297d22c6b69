#include "settings/SettingsTable.h"

#include "platform/ProfileFile.h"

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
