#pragma once
// A settings store of its own for a test: settings in a temporary INI file, data in a
// temporary folder, both gone when the test ends.
#include "cdata.h"

#include <QSettings>
#include <QTemporaryDir>

#include <memory>

namespace solvane::test {

struct IsolatedData {
    QTemporaryDir dir;
    std::unique_ptr<cData> data;

    IsolatedData() { Reopen(); }
    // A new store over the same files, as at the next start of the program.
    void Reopen()
    {
        data.reset();
        data = std::make_unique<cData>(
            std::make_unique<QSettings>(dir.filePath("settings.ini"), QSettings::IniFormat),
            dir.filePath("data"));
        data->InitCD("Solvane", 5, "qbn.chm");
        data->EnsureAppDir();
    }
    QString SettingsFile() const { return dir.filePath("settings.ini"); }
    cData& operator*() { return *data; }
    cData* operator->() { return data.get(); }
};

} // namespace solvane::test
