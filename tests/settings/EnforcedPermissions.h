// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <initializer_list>

// Root ignores file permissions. While this lives, the calling thread lays down the
// capabilities that let it, so a read-only directory refuses a write as it does for a user.
class EnforcedPermissions
{
public:
    EnforcedPermissions()
    {
        if (syscall(SYS_capget, &m_header, m_saved) != 0)
            return;
        __user_cap_data_struct reduced[2] = {m_saved[0], m_saved[1]};
        for (const int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH})
            reduced[capability / 32].effective &= ~(1u << (capability % 32));
        m_active = syscall(SYS_capset, &m_header, reduced) == 0;
    }
    ~EnforcedPermissions()
    {
        if (m_active)
            syscall(SYS_capset, &m_header, m_saved);
    }
    EnforcedPermissions(const EnforcedPermissions &) = delete;
    EnforcedPermissions &operator=(const EnforcedPermissions &) = delete;

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
    bool m_active = false;
};
