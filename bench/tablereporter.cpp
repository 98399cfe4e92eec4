#include "tablereporter.h"

#include <QTextStream>

#include <cstdio>

namespace {
double toMilliseconds(const benchmark::BenchmarkReporter::Run &run)
{
    return run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e3;
}

QString number(double value)
{
    if (value < 0)
        return QStringLiteral("-");
    if (value >= 100)
        return QString::number(value, 'f', 0);
    if (value >= 10)
        return QString::number(value, 'f', 1);
    if (value >= 1)
        return QString::number(value, 'f', 2);
    return QString::number(value, 'f', 3);
}
} // namespace

TableReporter::TableReporter(QVector<TableRow> rows)
    : m_rows(std::move(rows))
{
}

bool TableReporter::ReportContext(const Context &)
{
    return true;
}

void TableReporter::ReportRuns(const std::vector<Run> &runs)
{
    for (const Run &run : runs) {
        const std::string id = run.run_name.function_name;
        Measured &measured = m_measured[id];
        if (run.error_occurred) {
            measured.error = QString::fromStdString(run.error_message);
            std::fprintf(stderr, "  %s: %s\n", id.c_str(), run.error_message.c_str());
            continue;
        }
        if (run.run_type != Run::RT_Aggregate)
            continue;
        double value = toMilliseconds(run);
        for (const TableRow &row : qAsConst(m_rows)) {
            if (!row.counter.empty() && (row.figureId == id || row.baselineId == id)) {
                const auto counter = run.counters.find(row.counter);
                value = counter == run.counters.end() ? -1.0 : double(counter->second);
            }
        }
        if (run.aggregate_name == "median")
            measured.median = value;
        else if (run.aggregate_name == "best")
            measured.best = value;
        else
            continue;
        if (!run.report_label.empty())
            measured.label = QString::fromStdString(run.report_label);
        std::fprintf(stderr, "  %-28s %-6s %s\n", id.c_str(), run.aggregate_name.c_str(),
            number(value).toUtf8().constData());
    }
}

QString TableReporter::valueText(const TableRow &row, const Measured &measured) const
{
    if (!measured.error.isEmpty())
        return QStringLiteral("failed: ") + measured.error;
    if (!row.counter.empty())
        return number(measured.median / 1024.0) + QStringLiteral(" MiB");
    if (measured.median > 0 && measured.median < 1.0)
        return number(measured.median * 1000.0) + QStringLiteral(" µs");
    return number(measured.median) + QStringLiteral(" ms");
}

QString TableReporter::goalText(const TableRow &row)
{
    switch (row.goal) {
    case TableRow::Goal::Ratio:
        return QStringLiteral("≤ %1×").arg(row.goalValue);
    case TableRow::Goal::Milliseconds:
        return QStringLiteral("< %1 ms").arg(row.goalValue);
    case TableRow::Goal::RatioPlusDecode:
        return QStringLiteral("≤ %1× copy + decode").arg(row.goalValue);
    case TableRow::Goal::None:
        return QStringLiteral("(for comparison)");
    }
    return QString();
}

void TableReporter::Finalize()
{
    QString out;
    QTextStream text(&out);
    text << "\n| figure | median | baseline | median | ratio | ratio of best | goal | met |\n";
    text << "| --- | ---: | --- | ---: | ---: | ---: | --- | --- |\n";
    for (const TableRow &row : qAsConst(m_rows)) {
        if (!m_measured.count(row.figureId) && !m_measured.count(row.baselineId))
            continue;
        const Measured figure = m_measured[row.figureId];
        const Measured baseline = m_measured[row.baselineId];
        const bool valid = figure.error.isEmpty() && baseline.error.isEmpty() && figure.median > 0
            && baseline.median > 0;
        const double ratio = valid ? figure.median / baseline.median : -1.0;
        const double bestRatio
            = valid && figure.best > 0 && baseline.best > 0 ? figure.best / baseline.best : -1.0;
        QString met = QStringLiteral("-");
        if (valid && row.goal != TableRow::Goal::None) {
            bool ok = false;
            switch (row.goal) {
            case TableRow::Goal::Ratio:
                ok = ratio <= row.goalValue;
                break;
            case TableRow::Goal::Milliseconds:
                ok = figure.median < row.goalValue;
                break;
            case TableRow::Goal::RatioPlusDecode: {
                const double decode = m_measured[row.decodeId].median;
                ok = decode > 0
                    && figure.median <= row.goalValue * (baseline.median - decode) + decode;
                break;
            }
            case TableRow::Goal::None:
                break;
            }
            met = ok ? QStringLiteral("yes") : QStringLiteral("**no**");
        }
        QString figureName = row.figure;
        if (!figure.label.isEmpty())
            figureName += QStringLiteral(" (") + figure.label + QLatin1Char(')');
        text << "| " << figureName << " | " << valueText(row, figure) << " | " << row.baseline
             << " | " << valueText(row, baseline) << " | "
             << (valid ? number(ratio) + QStringLiteral("×") : QStringLiteral("-")) << " | "
             << (bestRatio > 0 ? number(bestRatio) + QStringLiteral("×") : QStringLiteral("-"))
             << " | " << goalText(row) << " | " << met << " |\n";
    }
    if (m_footnote)
        text << "\n" << m_footnote() << "\n";
    text.flush();
    std::fputs(out.toUtf8().constData(), stdout);
    std::fflush(stdout);
}
