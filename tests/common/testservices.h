#pragma once
// A whole set of the program's services over temporary settings and data, with a scripted
// prompt, for tests of windows.
#include "cservices.h"
#include "fakeprompt.h"

#include <QSettings>
#include <QTemporaryDir>

#include <memory>

namespace solvane::test {

struct TestServices {
    QTemporaryDir dir;
    FakePrompt prompt;
    std::unique_ptr<cServices> services;

    TestServices() { Reopen(); }
    // A new set over the same files, as at the next start of the program.
    void Reopen()
    {
        services.reset();
        auto data = std::make_unique<cData>(
            std::make_unique<QSettings>(dir.filePath("settings.ini"), QSettings::IniFormat),
            dir.filePath("data"));
        data->InitCD("Solvane", 5, "qbn.chm");
        data->EnsureAppDir();
        services = std::make_unique<cServices>(std::move(data), prompt);
        services->Custom().Init();
        if (services->Data().TotalPlayers() == 0)
            services->Data().SetPlayer(1, "Player1", true);
    }
    cServices& operator*() { return *services; }
    cServices* operator->() { return services.get(); }
    cData& Data() { return services->Data(); }
    QString DataDir() const { return dir.filePath("data") + "/"; }
};

} // namespace solvane::test
