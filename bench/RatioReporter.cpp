// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RatioReporter.h"

#include <cstdio>

void RatioReporter::ReportRuns(const std::vector<Run> &runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run &run : runs) {
        if (run.run_type != Run::RT_Iteration || run.iterations == 0)
            continue;
        const std::string name = run.benchmark_name();
        m_seconds[name] = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        // The label may name several floors, "floor:A floor:B".
        std::string::size_type marker = run.report_label.find("floor:");
        while (marker != std::string::npos) {
            const std::string::size_type end = run.report_label.find(' ', marker);
            m_ratios.emplace_back(name, run.report_label.substr(marker + 6, end == std::string::npos
                                                                                ? std::string::npos
                                                                                : end - marker - 6));
            marker = run.report_label.find("floor:", marker + 6);
        }
    }
}

void RatioReporter::PrintRatios() const
{
    if (m_ratios.empty())
        return;
    std::printf("\nRatios (time / floor time):\n");
    for (const auto &[name, floor] : m_ratios) {
        const auto measured = m_seconds.find(name);
        const auto base = m_seconds.find(floor);
        if (measured == m_seconds.end() || base == m_seconds.end() || base->second <= 0)
            continue;
        std::printf("  %-50s / %-40s = %6.2f\n", name.c_str(), floor.c_str(),
                    measured->second / base->second);
    }
}
