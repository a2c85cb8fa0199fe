#include "cdateform.h"

#include <gtest/gtest.h>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

using namespace solvane;

namespace {
const QLocale kUs(QLocale::English, QLocale::UnitedStates);
const QDateTime kEvening(QDate(2003, 12, 7), QTime(18, 42, 2));

DateStamp Read(const cDateForm& form, const char* text)
{
    DateStamp s;
    form.Parse(std::string_view(text), s);
    return s;
}
} // namespace

TEST(DateForm, GeneralFormHasAFourDigitYearAndNoZone)
{
    const cDateForm us(kUs);
    EXPECT_EQ(us.GeneralPattern(), "M/d/yyyy h:mm:ss AP");
    EXPECT_EQ(us.Format(kEvening), "12/7/2003 6:42:02 PM");
    EXPECT_EQ(us.ShortDate(kEvening.date()), "12/7/2003");
    EXPECT_EQ(us.Format(QDateTime(QDate(2004, 1, 5), QTime(0, 5, 9))), "1/5/2004 12:05:09 AM");

    const cDateForm de(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(de.Format(kEvening), "07.12.2003 18:42:02");
    const cDateForm zh(QLocale(QLocale::Chinese, QLocale::China)); // the zone stands first there
    EXPECT_FALSE(zh.TimePattern().contains(u't'));
    EXPECT_FALSE(zh.TimePattern().startsWith(u' '));
    const cDateForm ko(QLocale(QLocale::Korean, QLocale::SouthKorea));
    EXPECT_TRUE(ko.DatePattern().startsWith("yyyy")) << ko.DatePattern().toStdString();
}

TEST(DateForm, WrittenDatesReadBackInEveryRegion)
{
    const QLocale locales[] = {
        kUs,
        QLocale(QLocale::German, QLocale::Germany),
        QLocale(QLocale::English, QLocale::UnitedKingdom),
        QLocale(QLocale::Japanese, QLocale::Japan),
        QLocale(QLocale::Korean, QLocale::SouthKorea),
        QLocale(QLocale::Chinese, QLocale::China),
        QLocale(QLocale::Arabic, QLocale::Egypt), // digits of its own script
        QLocale(QLocale::French, QLocale::France),
        QLocale(QLocale::Russian, QLocale::Russia),
    };
    const QDateTime times[] = {kEvening, QDateTime(QDate(1999, 1, 31), QTime(0, 0, 0)),
                               QDateTime(QDate(2024, 2, 29), QTime(12, 30, 59))};
    for (const QLocale& l : locales) {
        const cDateForm form(l);
        for (const QDateTime& t : times) {
            DateStamp s;
            const QString text = form.Format(t);
            ASSERT_TRUE(form.Parse(text, s)) << l.name().toStdString() << " " << text.toStdString();
            EXPECT_EQ(s.Date(), t.date()) << text.toStdString();
            EXPECT_EQ(s.Secs, t.time().msecsSinceStartOfDay() / 1000) << text.toStdString();
        }
    }
}

TEST(DateForm, CommonFormsAreReadWhenTheRegionsForm)
{
    const cDateForm us(kUs);
    const cDateForm de(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(Read(us, "2003-12-07 18:42:02").Date(), QDate(2003, 12, 7));
    EXPECT_EQ(Read(us, "2003-12-07T18:42:02").Secs, 18 * 3600 + 42 * 60 + 2);
    EXPECT_EQ(Read(us, "12/7/2003").Date(), QDate(2003, 12, 7));  // midnight: the date alone
    EXPECT_EQ(Read(us, "12/7/03 6:42:02 PM").Date(), QDate(2003, 12, 7));
    EXPECT_EQ(Read(us, "  12/7/2003  6:42:02 pm ").Secs, 18 * 3600 + 42 * 60 + 2);
    EXPECT_EQ(Read(us, "12/7/2003 6:42:02\xE2\x80\xAFPM").Date(), QDate(2003, 12, 7));
    EXPECT_EQ(Read(de, "12/7/2003 6:42:02 PM").Date(), QDate(2003, 12, 7));  // a US file in Germany
    EXPECT_EQ(Read(us, "07.12.2003 18:42:02").Date(), QDate(2003, 12, 7));
    EXPECT_EQ(Read(de, "7.12.2003").Date(), QDate(2003, 12, 7));
}

TEST(DateForm, UnreadableDatesGiveNoDay)
{
    const cDateForm us(kUs);
    for (const char* bad : {"", "not a date", "13/40/2003 6:42:02 PM", "2/30/2003", "12/7/2003 25:00:00",
                            "12/7/2003 13:00:00 PM", "12/7/2003 6:42:02 PM and more", "12/7", "\xff\xfe"}) {
        const DateStamp s = Read(us, bad);
        EXPECT_FALSE(s.Valid()) << bad;
        EXPECT_FALSE(s.Date().isValid()) << bad;
    }
}

TEST(DateForm, PeriodLabelsAndNumbers)
{
    const cDateForm us(kUs);
    EXPECT_EQ(us.Label(QDate(2003, 12, 7), DateInterval::Day), "Dec 07");
    EXPECT_EQ(us.Label(QDate(2003, 12, 7), DateInterval::Month), "Dec 03");
    EXPECT_EQ(us.Label(QDate(2003, 12, 7), DateInterval::Year), "2003");
    const DateStamp a = DateStamp::Of(QDate(2003, 12, 31)), b = DateStamp::Of(QDate(2004, 1, 1));
    EXPECT_EQ(b.Day - a.Day, 1);
    EXPECT_EQ(b.Month - a.Month, 1);
    EXPECT_EQ(IntervalFromTag(u"yyyy"), DateInterval::Year);
    EXPECT_FALSE(IntervalFromTag(u"w").has_value());
}
