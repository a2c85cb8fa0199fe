#include "scorefixture.h"

using namespace solvane;
using namespace solvane::test;

namespace {
struct Favourites : ScoreTest {};
} // namespace

TEST_F(Favourites, AddedDealsAreLinesOfNameAndNumber)
{
    ASSERT_FALSE(score.AddFav("Freecell", cGameNo(12345)));
    ASSERT_FALSE(score.AddFav("Baker's Game", cGameNo::FromText("1,234")));
    ASSERT_FALSE(score.AddFav("Freecell", cGameNo(12345))); // the same deal twice
    EXPECT_EQ(Read("kdt.fav"), "\"Freecell\",12345\r\n\"Baker's Game\",\"1,234\"\r\n\"Freecell\",12345\r\n");
    EXPECT_EQ(score.FavTop(), 0); // adding does not touch the loaded list

    ASSERT_TRUE(score.OpenFav());
    ASSERT_EQ(score.FavTop(), 3);
    EXPECT_EQ(score.GetFav(1).Name, "Freecell");
    EXPECT_EQ(score.GetFav(1).GameNo, cGameNo(12345));
    EXPECT_TRUE(score.GetFav(2).GameNo.IsText());
    EXPECT_EQ(score.GetFav(2).GameNo.Text(), "1,234");
    EXPECT_EQ(score.GetFav(3).GameNo.Text(), "12345");
    EXPECT_TRUE(score.GetFav(4).Name.isEmpty());
    score.CloseFav();
    EXPECT_EQ(score.FavTop(), 0);
}

TEST_F(Favourites, MissingDamagedAndClearedFiles)
{
    ASSERT_TRUE(score.OpenFav());
    EXPECT_EQ(score.FavTop(), 0);

    Put("kdt.fav", "\"Freecell\",1\r\n"
                   "\"Freecell\r\n"          // unbalanced quote
                   "\"Forecell\",2,3\r\n"    // a field too many
                   "\"Forecell\"\r\n"        // too few
                   "\"Forecell\",two\r\n"    // not a number
                   "\r\n"
                   "\"Two Cells\",3");       // no final line end
    ASSERT_TRUE(score.OpenFav());
    ASSERT_EQ(score.FavTop(), 2);
    EXPECT_EQ(score.GetFav(2).Name, "Two Cells");
    EXPECT_EQ(score.Favourites().Skipped(), 4);

    // An append after a line without its end still gives a line of its own.
    ASSERT_FALSE(score.AddFav("Forecell", cGameNo(4)));
    ASSERT_TRUE(score.OpenFav()); // opening again starts afresh
    ASSERT_EQ(score.FavTop(), 3);
    EXPECT_EQ(score.GetFav(3).GameNo.Value(), 4);

    EXPECT_TRUE(score.AddFav("Two\nLines", cGameNo(1)).has_value());
    ASSERT_FALSE(score.ClearFav());
    EXPECT_FALSE(QFile::exists(Path("kdt.fav")));
    ASSERT_FALSE(score.ClearFav()); // nothing to delete
    ASSERT_TRUE(score.OpenFav());
    EXPECT_EQ(score.FavTop(), 0);
}
