// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Guarded.h"

#include "platform/core/AppError.h"
#include "platform/Messages.h"

#include <exception>
#include <new>

void guarded(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const AppError &error) {
        Messages::showError(error.message());
    } catch (const std::bad_alloc &) {
        Messages::showError(QStringLiteral("Nedostatek paměti."));
    } catch (const std::exception &error) {
        Messages::showError(QString::fromUtf8(error.what()));
    }
}
