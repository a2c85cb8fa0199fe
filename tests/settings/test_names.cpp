#include "mnames.h"

#include <gtest/gtest.h>

using namespace solvane;

TEST(Names, FileNamesStayInsideTheDataFolder)
{
    for (const char* good : {"Player1", "Freecell Game 01", "Anne-Marie", "x.y", "Ünal", "a..b", "CONSOLE"})
        EXPECT_TRUE(IsValidName(QString::fromUtf8(good))) << good;
    for (const char* bad : {"", "../x", "..", "a/b", "C:\\x", "C:x", "a*b", "what?", "\"q\"",
                            "<a>", "a|b", " lead", "trail ", ".hidden", "dot.", "CON", "con",
                            "Nul.txt", "COM1", "lpt9.sre", "tab\there"})
        EXPECT_FALSE(IsValidName(QString::fromUtf8(bad))) << bad;
    EXPECT_TRUE(IsValidName(QString(60, u'a')));
    EXPECT_FALSE(IsValidName(QString(61, u'a')));
    EXPECT_TRUE(NameProblem("a/b")->contains("/"));
}
