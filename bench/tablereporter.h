#pragma once

#include <benchmark/benchmark.h>

#include <QString>
#include <QVector>

#include <functional>
#include <map>
#include <string>

// One line of the table: a figure beside the baseline it is measured against.
struct TableRow
{
    enum class Goal {
        // figure / baseline at most goal
        Ratio,
        // figure at most goal milliseconds
        Milliseconds,
        // figure at most goal x (baseline - decode) + decode, where the baseline holds the decode
        RatioPlusDecode,
        // shown beside another baseline for comparison, no goal of its own
        None
    };

    QString figure;
    QString baseline;
    std::string figureId;
    std::string baselineId;
    Goal goal = Goal::Ratio;
    double goalValue = 0.0;
    // The benchmark that measures the decode alone, for RatioPlusDecode.
    std::string decodeId;
    // A user counter to show instead of the time (memory rows), with the unit it is shown in.
    std::string counter;
};

// Collects the aggregates of every benchmark (each benchmark name is "<id>" as registered)
// and prints one table at the end: median figure, median baseline, their ratio, the ratio of
// the best repetitions, and the goal. Progress goes to standard error.
class TableReporter : public benchmark::BenchmarkReporter
{
public:
    explicit TableReporter(QVector<TableRow> rows);

    bool ReportContext(const Context &context) override;
    void ReportRuns(const std::vector<Run> &runs) override;
    void Finalize() override;

    // Text to print under the table (how it was run, the load), asked for when it is printed.
    void setFootnote(std::function<QString()> footnote) { m_footnote = std::move(footnote); }

private:
    struct Measured
    {
        double median = -1.0;
        double best = -1.0;
        QString label;
        QString error;
    };

    QString valueText(const TableRow &row, const Measured &measured) const;
    static QString goalText(const TableRow &row);

    QVector<TableRow> m_rows;
    std::map<std::string, Measured> m_measured;
    std::function<QString()> m_footnote;
};
