// The figures of one benchmark: printed as a table with each target and
// whether it was met, and appended as tab-separated rows to the file named by
// QUILL_BENCH_RESULTS so that bench/run-all can print one table of them all.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

class TBenchTable
{
public:
    explicit TBenchTable(std::string bench) : m_bench(std::move(bench)) {}

    // A figure that must stay below the limit (a time, a size).
    void Below(std::string figure, double measured, std::string unit, double limit, int decimals = 1)
    {
        m_rows.push_back({std::move(figure), measured, std::move(unit), "<", limit, decimals});
    }

    // A figure that must reach the limit (a throughput).
    void AtLeast(std::string figure, double measured, std::string unit, double limit, int decimals = 1)
    {
        m_rows.push_back({std::move(figure), measured, std::move(unit), ">=", limit, decimals});
    }

    // A figure without a target, shown to explain the others.
    void Detail(std::string figure, double measured, std::string unit, int decimals = 1)
    {
        m_rows.push_back({std::move(figure), measured, std::move(unit), "", 0, decimals});
    }

    // Prints the table; false when a target was missed.
    bool Print() const
    {
        bool allMet = true;
        std::printf("%-52s %16s %16s\n", "figure", "measured", "target");
        for (const Row &row : m_rows) {
            const std::string measured = Number(row.measured, row.decimals) + " " + row.unit;
            std::string target;
            const char *verdict = "";
            if (!row.op.empty()) {
                target = row.op + " " + Limit(row.limit) + " " + row.unit;
                verdict = row.Met() ? "met" : "MISSED";
                allMet = allMet && row.Met();
            }
            std::printf("%-52s %16s %16s  %s\n", row.figure.c_str(), measured.c_str(), target.c_str(), verdict);
        }
        std::fflush(stdout);
        Append();
        return allMet;
    }

private:
    struct Row
    {
        std::string figure;
        double measured;
        std::string unit;
        std::string op;
        double limit;
        int decimals;

        bool Met() const { return op == "<" ? measured < limit : measured >= limit; }
    };

    static std::string Number(double value, int decimals)
    {
        char text[64];
        std::snprintf(text, sizeof text, "%.*f", decimals, value);
        return text;
    }

    // A limit as written in the issues: 0.1, 20, 1000.
    static std::string Limit(double value)
    {
        char text[64];
        std::snprintf(text, sizeof text, "%g", value);
        return text;
    }

    void Append() const
    {
        const char *path = std::getenv("QUILL_BENCH_RESULTS");
        if (!path || !*path)
            return;
        FILE *file = std::fopen(path, "a");
        if (!file) {
            std::fprintf(stderr, "cannot append the figures to %s\n", path);
            return;
        }
        for (const Row &row : m_rows) {
            if (row.op.empty())
                continue;
            std::fprintf(file, "%s\t%s\t%s\t%s\t%s\t%s\t%s\n", m_bench.c_str(), row.figure.c_str(),
                         Number(row.measured, row.decimals).c_str(), row.unit.c_str(), row.op.c_str(),
                         Limit(row.limit).c_str(), row.Met() ? "met" : "MISSED");
        }
        std::fclose(file);
    }

    std::string m_bench;
    std::vector<Row> m_rows;
};
