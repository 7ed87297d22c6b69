// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "indicators/AbFlashT.h"
#include "platform/core/Clock.h"
#include "platform/Messages.h"

#include <QList>
#include <QWidget>
#include <gtest/gtest.h>

// A control that records every flash tick message it receives.
class TickRecorder : public QWidget
{
public:
    struct Tick
    {
        quint32 counter;
        qint64 value;
        bool operator==(const Tick &other) const = default;
    };

    QList<Tick> ticks;

protected:
    bool event(QEvent *e) override
    {
        if (e->type() == WM_FLASHTICK) {
            const auto *tick = static_cast<TFlashTickEvent *>(e);
            ticks.append({tick->Counter, tick->Value});
            return true;
        }
        return QWidget::event(e);
    }
};

inline void PrintTo(const TickRecorder::Tick &tick, std::ostream *os)
{
    *os << "(" << tick.counter << ", " << tick.value << ")";
}

// A fresh flash module with a set tick count and wall clock, and a timer whose thread stays
// suspended, so only the test drives FlashTick.
class FlashModuleTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        resetFlashModuleForTests();
        Clock::setTickCountForTests([this] { return tickCount; });
        Clock::setNowForTests([this] { return now; });
        Messages::setHandler([this](Messages::Kind, const QString &caption, const QString &text) {
            messages.append(caption + QLatin1Char('/') + text);
        });
    }

    void TearDown() override
    {
        resetFlashModuleForTests();
        Clock::setTickCountForTests(nullptr);
        Clock::setNowForTests(nullptr);
        Messages::setHandler(nullptr);
    }

    TAbFlashTimer &Timer()
    {
        EnsureFlashTimer();
        FlashTimer()->SetEnabled(false);
        return *FlashTimer();
    }

    void Ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            Timer().FlashTick(nullptr);
    }

    static constexpr double OneSecond = 1.0 / 86400.0;
    qint64 tickCount = 1000;
    double now = 46000.5;
    QStringList messages;
};
