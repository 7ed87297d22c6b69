// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RatioReporter.h"

#include <algorithm>
#include <cstdio>

namespace {

// The floors named in a label, "floor:A floor:B".
std::vector<std::string> floorsIn(const std::string &label)
{
    std::vector<std::string> floors;
    std::string::size_type marker = label.find("floor:");
    while (marker != std::string::npos) {
        const std::string::size_type end = label.find(' ', marker);
        floors.push_back(label.substr(marker + 6, end == std::string::npos ? std::string::npos : end - marker - 6));
        marker = label.find("floor:", marker + 6);
    }
    return floors;
}

}

void RatioReporter::ReportRuns(const std::vector<Run> &runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run &run : runs) {
        // A repeated benchmark counts by the median of its repetitions, one run by itself.
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if ((run.run_type != Run::RT_Iteration && !median) || run.iterations == 0)
            continue;
        const std::string name = run.run_name.str();
        m_seconds[name] = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        for (const std::string &floor : floorsIn(run.report_label)) {
            const std::pair<std::string, std::string> ratio(name, floor);
            if (std::find(m_ratios.begin(), m_ratios.end(), ratio) == m_ratios.end())
                m_ratios.push_back(ratio);
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
