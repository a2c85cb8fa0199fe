#pragma once
// The statistics report: the general, player, game and full statistics of the loaded
// table as lines of text in the print form, each ended by CR LF.
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace solvane {

class cData;
class cDateForm;
class cScore;
struct StatTotals;

class cReportWriter {
public:
    cReportWriter(const cScore& score, const cData& data, const cDateForm& form)
        : score_(score), data_(data), form_(form)
    {
    }

    // The whole report, created at `now`.
    QString Text(const QDateTime& now) const;

private:
    void Heading(QStringList& lines, const QDateTime& now) const;
    void General(QStringList& lines) const;
    void PlayerLines(QStringList& lines) const;
    void GameLines(QStringList& lines) const;
    void FullLines(QStringList& lines) const;

    const cScore& score_;
    const cData& data_;
    const cDateForm& form_;
};

} // namespace solvane
