#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace aisset::test {

// The virtual unit program on a pseudo-terminal of its own, for as long as the
// object lives. AISSET_SIM_PATH names the program.
class VirtualUnit {
public:
    explicit VirtualUnit(const QStringList &faults)
    {
        process_.start(QStringLiteral(AISSET_SIM_PATH), faults);
        if (process_.waitForReadyRead(5000))
            path_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    }
    ~VirtualUnit()
    {
        process_.terminate();
        process_.waitForFinished(10000); // its link is removed by then
    }
    VirtualUnit(const VirtualUnit &) = delete;
    VirtualUnit &operator=(const VirtualUnit &) = delete;

    // The device the unit serves; empty when it did not start.
    const QString &path() const { return path_; }
    // What the unit has logged so far: "< " received, "> " answered, "refused: ...".
    QStringList log()
    {
        // Gives the unit a moment to write, and the pipe to be read.
        process_.waitForReadyRead(50);
        log_ += QString::fromLocal8Bit(process_.readAllStandardError());
        return log_.split(u'\n', Qt::SkipEmptyParts);
    }

private:
    QProcess process_;
    QString path_;
    QString log_;
};

} // namespace aisset::test
