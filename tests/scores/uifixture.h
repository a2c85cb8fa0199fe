#pragma once
// The statistics windows over score files written for the test through the store, with
// helpers that read back what a list, a choice box or a chart shows.
#include "cdateform.h"
#include "scorefixture.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QListWidget>
#include <QPieSeries>
#include <QPieSlice>
#include <QTreeWidget>

namespace solvane::test {

struct UiTest : ScoreTest {
    UiTest()
    {
        StandardGames();
        d->SetPlayer(1, "Ann", true);
    }
    // Records one game in a player's score file, dated `when`.
    void Record(const QString& player, const QDateTime& when, const QString& game, double no, int32_t time,
                int32_t moves, int32_t points, int16_t won)
    {
        ScoreRecord r;
        r.DateText = cDateForm().Format(when);
        r.GameName = game;
        r.GameNo = cGameNo(no);
        r.Time = time;
        r.Moves = moves;
        r.Score = points;
        r.Won = won;
        ASSERT_FALSE(score.AppendScore(player, r).has_value());
    }
    void Record(const QString& player, const QString& game, double no, int32_t time, int32_t moves, int32_t points,
                int16_t won)
    {
        Record(player, now, game, no, time, moves, points, won);
    }
    QDateTime DaysAgo(int days) const { return now.addDays(-days); }

    template <typename W>
    static QTreeWidget* Tree(W& w, const char* name)
    {
        auto* t = w.template findChild<QTreeWidget*>(name);
        EXPECT_NE(t, nullptr) << name;
        return t;
    }
    // Each row's cells joined by " | ".
    template <typename W>
    static QStringList Rows(W& w, const char* name)
    {
        QStringList out;
        QTreeWidget* t = Tree(w, name);
        for (int i = 0; t && i < t->topLevelItemCount(); ++i) {
            QStringList cells;
            for (int c = 0; c < t->columnCount(); ++c)
                cells << t->topLevelItem(i)->text(c);
            out << cells.join(" | ");
        }
        return out;
    }
    template <typename W>
    static QStringList Column(W& w, const char* name, int column)
    {
        QStringList out;
        QTreeWidget* t = Tree(w, name);
        for (int i = 0; t && i < t->topLevelItemCount(); ++i)
            out << t->topLevelItem(i)->text(column);
        return out;
    }
    template <typename W>
    static QStringList Lines(W& w, const char* name)
    {
        QStringList out;
        auto* l = w.template findChild<QListWidget*>(name);
        EXPECT_NE(l, nullptr) << name;
        for (int i = 0; l && i < l->count(); ++i)
            out << l->item(i)->text();
        return out;
    }
    template <typename W>
    static QComboBox* Box(W& w, const char* name)
    {
        auto* b = w.template findChild<QComboBox*>(name);
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
    template <typename W>
    static QStringList Entries(W& w, const char* name)
    {
        QStringList out;
        QComboBox* b = Box(w, name);
        for (int i = 0; b && i < b->count(); ++i)
            out << b->itemText(i);
        return out;
    }
    template <typename W>
    static void Choose(W& w, const char* box, const QString& text)
    {
        QComboBox* b = Box(w, box);
        const int at = b->findText(text);
        ASSERT_GE(at, 0) << text.toStdString();
        b->setCurrentIndex(at);
    }

    // A chart's shares as "label=value", or its bar sets as "label: v1 v2 ...".
    template <typename W>
    static QStringList Chart(W& w, const char* name)
    {
        QStringList out;
        auto* view = w.template findChild<QChartView*>(name);
        EXPECT_NE(view, nullptr) << name;
        if (!view || !view->chart())
            return out;
        for (QAbstractSeries* s : view->chart()->series()) {
            if (auto* pie = qobject_cast<QPieSeries*>(s))
                for (QPieSlice* slice : pie->slices())
                    out << slice->label() + "=" + QString::number(slice->value());
            if (auto* bars = qobject_cast<QBarSeries*>(s))
                for (QBarSet* set : bars->barSets()) {
                    QStringList values;
                    for (int i = 0; i < set->count(); ++i)
                        values << QString::number(set->at(i));
                    out << set->label() + ": " + values.join(' ');
                }
        }
        return out;
    }
};

} // namespace solvane::test
