#pragma once
// Helpers shared by the tests of the game windows: a game file written as the player's
// disk would hold it, and a look at what a panel shows.
#include "cgamepanel.h"

#include <QFile>
#include <QLabel>
#include <QString>

#include <gtest/gtest.h>

namespace solvane::test {

inline void WriteFile(const QString& path, const QByteArray& text)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

inline QByteArray ReadFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline QString PanelText(const QWidget& window, const char* label)
{
    auto* l = window.findChild<QLabel*>(QLatin1String(label));
    return l ? l->text() : QStringLiteral("<no %1>").arg(QLatin1String(label));
}

inline bool PanelShown(const QWidget& window, const char* label)
{
    auto* l = window.findChild<QLabel*>(QLatin1String(label));
    return l && !l->isHidden();
}

} // namespace solvane::test
