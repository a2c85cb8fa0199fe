// The player takes every sound name, and names it does not know, without complaint; on a
// machine without audio it stays silent without a word on the console.
#include "csoundplayer.h"

#include <QCoreApplication>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

QStringList captured;

void Capture(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        captured << message;
}

} // namespace

TEST(SoundPlayer, PlaysEveryNameAndIgnoresUnknownOnesQuietly)
{
    captured.clear();
    const QtMessageHandler previous = qInstallMessageHandler(Capture);
    {
        solvane::cSoundPlayer player;
        for (const char* name : {"START", "CARDDOWN", "CARDUP", "AUTOPLAY", "UNDO", "WIN"})
            player.Play(QString::fromLatin1(name));
        // The same sound again at once, and in another letter case.
        player.Play(QStringLiteral("AUTOPLAY"));
        player.Play(QStringLiteral("AutoPlay"));
        player.Play(QStringLiteral("AUTOPLAY"));
        for (const char* name : {"", "REDO", "FANFARE", "START.wav", "../START"})
            player.Play(QString::fromLatin1(name));
        QCoreApplication::processEvents();
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(captured.isEmpty()) << captured.join(QLatin1Char('\n')).toStdString();
}
