// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <benchmark/benchmark.h>
#include <map>
#include <string>
#include <utility>
#include <vector>

// The console report, then for every benchmark that names floors in its label
// ("floor:NAME floor:OTHER") its time as a multiple of each floor's; a benchmark run in
// repetitions counts by their median.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override;
    void PrintRatios() const;

private:
    std::map<std::string, double> m_seconds;
    std::vector<std::pair<std::string, std::string>> m_ratios; // benchmark, floor
};
