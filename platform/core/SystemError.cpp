// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/core/SystemError.h"

#include <cerrno>

namespace SystemError {

QString text(int errorNumber)
{
    switch (errorNumber) {
    case ENOSPC:
        return QStringLiteral("na disku není místo");
    case EDQUOT:
        return QStringLiteral("je vyčerpána vaše kvóta na disku");
    case EACCES:
    case EPERM:
        return QStringLiteral("chybí oprávnění");
    case EROFS:
        return QStringLiteral("disk je jen pro čtení");
    case ENOENT:
        return QStringLiteral("soubor nebo složka neexistuje");
    case ENOTDIR:
        return QStringLiteral("část cesty není složka");
    case EISDIR:
        return QStringLiteral("je to složka, ne soubor");
    case EEXIST:
        return QStringLiteral("soubor už existuje");
    case ENAMETOOLONG:
        return QStringLiteral("cesta je příliš dlouhá");
    case ELOOP:
        return QStringLiteral("odkazy v cestě tvoří smyčku");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("soubor je používán");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("je otevřeno příliš mnoho souborů");
    case ENOMEM:
        return QStringLiteral("nedostatek paměti");
    case EFBIG:
        return QStringLiteral("soubor je příliš velký");
    case EIO:
        return QStringLiteral("chyba čtení nebo zápisu na disku");
    case EXDEV:
        return QStringLiteral("soubory leží na různých discích");
    case EWOULDBLOCK:
        return QStringLiteral("soubor je zamčen jiným programem");
    default:
        return QStringLiteral("chyba systému č. %1").arg(errorNumber);
    }
}

QString text(QFileDevice::FileError error, int errorNumber)
{
    if (errorNumber != 0 && errorNumber != EINVAL)
        return text(errorNumber);
    switch (error) {
    case QFileDevice::PermissionsError:
        return text(EACCES);
    case QFileDevice::ResourceError:
        return text(ENOSPC);
    case QFileDevice::OpenError:
        return QStringLiteral("soubor nelze otevřít");
    case QFileDevice::ReadError:
        return QStringLiteral("soubor nelze číst");
    case QFileDevice::WriteError:
        return QStringLiteral("do souboru nelze zapisovat");
    case QFileDevice::RenameError:
        return QStringLiteral("soubor nelze přejmenovat");
    case QFileDevice::RemoveError:
        return QStringLiteral("soubor nelze odstranit");
    case QFileDevice::CopyError:
        return QStringLiteral("soubor nelze zkopírovat");
    default:
        return QStringLiteral("neznámá chyba");
    }
}

}
