#pragma once
// For the programs that save pictures of windows to look at: the folder from the command
// line, and a window saved as a PNG in it.
#include <QApplication>
#include <QDir>
#include <QWidget>

#include <cstdio>

namespace solvane::test {

// The folder named by the first argument, created when missing; empty (after a usage
// line) when there is none.
inline QString ShotFolder(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argc > 0 ? argv[0] : "shots");
        return {};
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    return folder;
}

inline void SaveShot(QWidget& w, const QString& folder, const QString& name)
{
    w.show();
    QApplication::processEvents();
    const QString path = QDir(folder).filePath(name + ".png");
    if (!w.grab().save(path))
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
}

} // namespace solvane::test
