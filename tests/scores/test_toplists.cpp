#include "scorefixture.h"

#include <random>

using namespace solvane;
using namespace solvane::test;

namespace {

struct Game {
    const char* date;
    const char* game;
    int no, time, moves, points, won;
};

struct TopLists : ScoreTest {
    void Load(const QString& player, std::initializer_list<Game> games)
    {
        QByteArray text;
        for (const Game& g : games)
            text += QString("\"%1\",\"%2\",%3,%4,%5,%6,%7\r\n")
                        .arg(g.date, g.game)
                        .arg(g.no)
                        .arg(g.time)
                        .arg(g.moves)
                        .arg(g.points)
                        .arg(g.won)
                        .toUtf8();
        Put(player + ".sre", text);
        ASSERT_TRUE(score.OpenScore(player));
    }
    // The game numbers of the filled slots, slot 1 first.
    std::vector<int> Slots() const
    {
        std::vector<int> nos;
        for (int s = 1; s <= kTopSlots; ++s) {
            const ScoreRecord r = score.GetTopScore(s);
            if (!r.DateText.isEmpty())
                nos.push_back(static_cast<int>(r.GameNo.Value()));
        }
        return nos;
    }
};

using Nos = std::vector<int>;
const char* const kDay = "12/7/2003 6:42:02 PM";

// The top-list procedures step by step, as a check on the store's quicker ones.
struct Reference {
    std::vector<int> top = std::vector<int>(kTopSlots + 1, -1);
    std::vector<ScoreRecord> rows;
    int32_t Key(int row, bool moves) const { return moves ? rows[row].Moves : rows[row].Time; }

    void Sort(int16_t mWon)
    {
        for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
            if (rows[i].Score <= 0 || (mWon == 1 && rows[i].Won == 0))
                continue;
            for (int s = 1; s <= kTopSlots; ++s) {
                const int32_t slotScore = top[s] < 0 ? 0 : rows[top[s]].Score;
                if (slotScore <= rows[i].Score) {
                    for (int k = kTopSlots; k > s; --k)
                        top[k] = top[k - 1];
                    top[s] = i;
                    break;
                }
            }
        }
    }
    void FinSort(bool moves)
    {
        for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
            if (rows[i].Won != 1 || Key(i, moves) < 1)
                continue;
            for (int s = 1; s <= kTopSlots; ++s) {
                if (top[s] < 0) {
                    top[s] = i;
                    break;
                }
                if (Key(top[s], moves) >= Key(i, moves)) {
                    for (int k = kTopSlots; k > s; --k)
                        top[k] = top[k - 1];
                    top[s] = i;
                    break;
                }
            }
        }
    }
};

} // namespace

TEST_F(TopLists, SortTakesTheHighestScoresLaterRecordsFirstAmongEquals)
{
    Load("Ann", {{kDay, "Freecell", 1, 60, 10, 100, 1},
                 {kDay, "Freecell", 2, 60, 10, 0, 1},   // score 0: never listed
                 {kDay, "Forecell", 3, 60, 10, 100, 0}, // equal score, later: above game 1
                 {kDay, "Freecell", 4, 60, 10, -5, 1},
                 {kDay, "Freecell", 5, 60, 10, 300, 0}});
    Load("Bob", {{kDay, "Freecell", 6, 60, 10, 100, 1}});
    score.Sort("", "", 0);
    EXPECT_EQ(Slots(), (Nos{5, 6, 3, 1}));
    EXPECT_EQ(score.TopCount(), 4);
    EXPECT_TRUE(score.GetTopScore(5).DateText.isEmpty()); // the rest stay empty
    EXPECT_EQ(score.GetTopScore(5).Score, 0);
    EXPECT_TRUE(score.GetTopScore(0).DateText.isEmpty());
    score.Sort("", "", kWon);
    EXPECT_EQ(Slots(), (Nos{6, 1}));
    score.Sort("Freecell", "", 0);
    EXPECT_EQ(Slots(), (Nos{5, 6, 1}));
    score.Sort("", "Ann", 0);
    EXPECT_EQ(Slots(), (Nos{5, 3, 1}));
    score.Sort("Freecell", "Bob", kWon);
    EXPECT_EQ(Slots(), (Nos{6}));
    score.Sort("Nothing", "", 0);
    EXPECT_EQ(Slots(), Nos{});
    score.Sort("freecell", "", 0); // names are compared exactly
    EXPECT_EQ(Slots(), Nos{});
    EXPECT_EQ(score.GetTopScore(1).GameName, "");
}

TEST_F(TopLists, FinSortTakesTheQuickestWonGames)
{
    score.FinSort(true, false);
    EXPECT_EQ(Slots(), Nos{});
    Load("Ann", {{kDay, "Freecell", 1, 90, 30, 10, 1},
                 {kDay, "Freecell", 2, 0, 0, 10, 1},   // no time, no moves: never listed
                 {kDay, "Freecell", 3, 50, 30, 10, 0}, // lost
                 {kDay, "Freecell", 4, 90, 20, 10, 1},
                 {kDay, "Freecell", 5, 70, 40, 10, 1}});
    score.FinSort(true, false);
    EXPECT_EQ(Slots(), (Nos{5, 4, 1}));
    score.FinSort(false, true);
    EXPECT_EQ(Slots(), (Nos{4, 1, 5}));
    score.FinSort(true, true); // both: by moves
    EXPECT_EQ(Slots(), (Nos{4, 1, 5}));
    score.CloseScore();
    score.FinSort(true, false);
    EXPECT_EQ(Slots(), Nos{});
}

TEST_F(TopLists, LongTablesGiveWhatTheStepByStepProceduresGive)
{
    std::mt19937 rng(7);
    QByteArray text;
    Reference ref;
    for (int i = 0; i < 3000; ++i) {
        ScoreRecord r;
        r.GameNo = cGameNo(i);
        r.Score = int(rng() % 60) - 10; // many equal and some negative scores
        r.Time = int(rng() % 40);
        r.Moves = int(rng() % 30);
        r.Won = int16_t(rng() % 3 == 0 ? 0 : 1);
        ref.rows.push_back(r);
        text += QString("\"%1\",\"G\",%2,%3,%4,%5,%6\r\n").arg(kDay).arg(i).arg(r.Time).arg(r.Moves).arg(r.Score).arg(r.Won).toUtf8();
    }
    Put("Ann.sre", text);
    ASSERT_TRUE(score.OpenScore("Ann"));
    auto expected = [&ref] {
        Nos nos;
        for (int s = 1; s <= kTopSlots; ++s)
            if (ref.top[s] >= 0)
                nos.push_back(static_cast<int>(ref.rows[ref.top[s]].GameNo.Value()));
        ref.top.assign(kTopSlots + 1, -1);
        return nos;
    };
    for (int16_t won : {0, 1}) {
        ref.Sort(won);
        score.Sort("", "", won);
        EXPECT_EQ(Slots(), expected()) << "Sort " << won;
    }
    for (bool moves : {false, true}) {
        ref.FinSort(moves);
        score.FinSort(!moves, moves);
        EXPECT_EQ(Slots(), expected()) << "FinSort " << moves;
    }
}

TEST_F(TopLists, TotalsOverTheTableByGameAndByPlayer)
{
    EXPECT_EQ(score.TotalStat(), StatTotals{});
    Load("Ann", {{kDay, "Freecell", 1, 100, 10, 500, 1},
                 {kDay, "Forecell", 2, 200, 20, 0, 0},
                 {"garbled", "Freecell", 3, 300, 30, -50, 2}}); // 2 is no win
    Load("Bob", {{kDay, "Freecell", 4, 400, 40, 70, 1}});
    EXPECT_EQ(score.TotalStat(), (StatTotals{4, 2, 2, 520, 100, 1000}));
    EXPECT_EQ(score.GameStat("Freecell"), (StatTotals{3, 2, 1, 520, 80, 800}));
    EXPECT_EQ(score.GameStat("Two Cells"), StatTotals{});
    EXPECT_EQ(score.PlayerStat("Ann"), (StatTotals{3, 1, 2, 450, 60, 600}));
    EXPECT_EQ(score.PlayerStat("Cy"), StatTotals{});
    EXPECT_EQ(score.GetGameScore("Freecell", 2).GameNo.Value(), 3);
    EXPECT_EQ(score.GetGameScore("Freecell", 3).Player, "Bob");
    EXPECT_TRUE(score.GetGameScore("Freecell", 4).GameName.isEmpty());
    EXPECT_TRUE(score.GetGameScore("Freecell", 0).GameName.isEmpty());
}

TEST_F(TopLists, SumsDoNotOverflowThirtyTwoBits)
{
    const int32_t hour = 3600;
    QByteArray text;
    for (int i = 0; i < 3000; ++i)
        text += QString("\"%1\",\"Freecell\",%2,%3,30000,32000,1\r\n").arg(kDay).arg(i).arg(hour * 24 * 30).toUtf8();
    text += QString("\"%1\",\"Freecell\",1,2147483647,1,1,1\r\n").arg(kDay).toUtf8();
    Put("Ann.sre", text);
    ASSERT_TRUE(score.OpenScore("Ann"));
    const StatTotals t = score.TotalStat();
    EXPECT_EQ(t.Played, 3001);
    EXPECT_EQ(t.Time, int64_t(3000) * hour * 24 * 30 + 2147483647);
    EXPECT_EQ(t.Moves, int64_t(3000) * 30000 + 1);
    EXPECT_EQ(t.Score, int64_t(3000) * 32000 + 1);
}

TEST_F(TopLists, DateTotalsCountTheSameCalendarPeriod)
{
    Load("Ann", {{"12/7/2003 11:59:59 PM", "Freecell", 1, 10, 1, 5, 1},
                 {"12/7/2003 12:00:00 AM", "Freecell", 2, 20, 2, 6, 0},
                 {"12/8/2003 12:00:00 AM", "Freecell", 3, 40, 4, 7, 1},
                 {"1/8/2004 1:00:00 PM", "Freecell", 4, 80, 8, 8, 1},
                 {"12/7/2002 1:00:00 PM", "Freecell", 5, 160, 16, 9, 1},
                 {"sometime", "Freecell", 6, 320, 32, 10, 1}});
    const DateTotals day = score.DateStat(QDate(2003, 12, 7), DateInterval::Day);
    EXPECT_EQ(day.Played, 2);
    EXPECT_EQ(day.Won, 1);
    EXPECT_EQ(day.Lost, 1);
    EXPECT_EQ(day.Time, 30);
    EXPECT_EQ(day.Label, "Dec 07");
    const DateTotals month = score.DateStat(QDate(2003, 12, 31), DateInterval::Month);
    EXPECT_EQ(month.Played, 3);
    EXPECT_EQ(month.Score, 18);
    EXPECT_EQ(month.Label, "Dec 03");
    const DateTotals year = score.DateStat(QDate(2003, 1, 1), DateInterval::Year);
    EXPECT_EQ(year.Played, 3);
    EXPECT_EQ(year.Label, "2003");
    EXPECT_EQ(score.DateStat(QDate(2004, 12, 1), DateInterval::Year).Moves, 8);
    EXPECT_EQ(score.DateStat(QDate(2003, 12, 9), DateInterval::Day).Played, 0);
    // The undated record counts in every total, just not in a period.
    EXPECT_EQ(score.TotalStat().Played, 6);
}
