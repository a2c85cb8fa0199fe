#include "cdata.h"

#include "ihelpviewer.h"
#include "isoundplayer.h"
#include "mwriteall.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <limits>

namespace solvane {

namespace {
const QString kData = QStringLiteral("Data");
const QString kUsers = QStringLiteral("Users");
const QString kRecent = QStringLiteral("Recent");
const QString kWindow = QStringLiteral("Window");
constexpr long long kWindowExtent = 100000; // pixels; anything beyond is no window
const QString kProduct = QStringLiteral("Solvane");
constexpr int kProbeBytes = 4096;

// The settings store says only that it failed; a file written beside it tells why.
QString SettingsWriteProblem(const QSettings& store)
{
    if (store.status() == QSettings::FormatError)
        return QStringLiteral("the file is not in the settings format");
    const QFileInfo where(store.fileName());
    if (!QDir().mkpath(where.absolutePath()))
        return QStringLiteral("its folder cannot be made");
    QFile probe(where.absolutePath() + QStringLiteral("/.solvane-probe-%1").arg(QCoreApplication::applicationPid()));
    if (!probe.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return probe.errorString();
    // About the size of a settings file; a full disk refuses it.
    const bool written = WriteAll(probe, QByteArray(kProbeBytes, ' '));
    const QString why = probe.errorString();
    probe.remove();
    return written ? QStringLiteral("the file cannot be replaced") : why;
}

bool ToInt(const QString& text, long long lo, long long hi, long long& out)
{
    bool ok = false;
    const long long v = text.trimmed().toLongLong(&ok);
    if (!ok || v < lo || v > hi)
        return false;
    out = v;
    return true;
}
} // namespace

cData::cData(std::unique_ptr<QSettings> store, const QString& dataDir)
    : store_(std::move(store)), appDir_(dataDir.isEmpty() ? DefaultAppDir() : dataDir)
{
    if (!store_)
        store_ = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             kProduct, kProduct);
    if (!appDir_.endsWith(u'/'))
        appDir_ += u'/';
}

cData::~cData() = default;

QString cData::DefaultAppDir()
{
#ifdef Q_OS_WIN
    QString base = QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA"));
#else
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#endif
    if (base.isEmpty())
        base = QDir::homePath(); // no application-data folder: keep the data beside the user
    return base + u'/' + kProduct + u'/';
}

bool cData::EnsureAppDir() const { return QDir().mkpath(appDir_); }

std::optional<QString> cData::Save()
{
    // A store keeps its first error for good: after a failed save, a fresh one over the same
    // file, holding the changes not yet saved, tells whether this save succeeds.
    if (store_->status() != QSettings::NoError)
        Renew();
    store_->sync();
    if (store_->status() == QSettings::NoError)
        return std::nullopt;
    const QString where = QDir::toNativeSeparators(store_->fileName());
    return QStringLiteral("The settings cannot be saved to %1 (%2).").arg(where, SettingsWriteProblem(*store_));
}

void cData::Renew()
{
    auto fresh = std::make_unique<QSettings>(store_->fileName(), store_->format());
    for (const QString& key : fresh->allKeys())
        if (!store_->contains(key))
            fresh->remove(key);
    for (const QString& key : store_->allKeys())
        if (fresh->value(key) != store_->value(key))
            fresh->setValue(key, store_->value(key));
    store_ = std::move(fresh);
}

void cData::InitCD(const QString& prodName, int games, const QString& helpFile)
{
    prodName_ = prodName;
    helpFile_ = helpFile;
    if (QCoreApplication::instance())
        QCoreApplication::setApplicationName(prodName);
    games_.assign(static_cast<size_t>(std::max(games, 0)), QString());
}

QString cData::Read(const QString& section, const QString& key) const
{
    return store_->value(section + u'/' + key).toString();
}

void cData::Write(const QString& section, const QString& key, const QString& value)
{
    store_->setValue(section + u'/' + key, value);
}

int cData::ReadSetting(const char* key, int def) const
{
    const QString full = kData + u'/' + QLatin1String(key);
    if (!store_->contains(full))
        return def;
    long long v = 0;
    if (!ToInt(store_->value(full).toString(), std::numeric_limits<int16_t>::min(),
               std::numeric_limits<int16_t>::max(), v))
        return def; // not a 16-bit number: a hand-edited value
    return static_cast<int>(v);
}

void cData::WriteSetting(const char* key, int value)
{
    Write(kData, QLatin1String(key), QString::number(static_cast<int16_t>(value)));
}

int cData::RangeIndex() const
{
    const int v = ReadSetting("RangeIndex", kDefaultRangeIndex);
    return (v >= 1 && v <= kDefaultRangeIndex) ? v : kDefaultRangeIndex;
}

int32_t cData::CustomColor() const
{
    const QString full = kData + QStringLiteral("/CustomColor");
    long long v = 0;
    if (!store_->contains(full) ||
        !ToInt(store_->value(full).toString(), std::numeric_limits<int32_t>::min(),
               std::numeric_limits<int32_t>::max(), v))
        return kDefaultCustomColor;
    return static_cast<int32_t>(v);
}

void cData::SetCustomColor(int32_t v) { Write(kData, QStringLiteral("CustomColor"), QString::number(v)); }

QString cData::LastGName() const
{
    const QString full = kData + QStringLiteral("/LastGName");
    if (store_->contains(full))
        return store_->value(full).toString();
    return GetGName(1);
}

void cData::SetLastGName(const QString& name) { Write(kData, QStringLiteral("LastGName"), name); }

void cData::SetTotalGames(int n) { games_.resize(static_cast<size_t>(std::max(n, 0))); }

void cData::SetGame(int id, const QString& name)
{
    if (id >= 1 && id <= TotalGames())
        games_[id - 1] = name;
}

QString cData::GetGName(int id) const
{
    return (id >= 1 && id <= TotalGames()) ? games_[id - 1] : QString();
}

int cData::GetGameID(const QString& name) const
{
    for (int id = 1; id <= TotalGames(); ++id)
        if (games_[id - 1] == name)
            return id;
    return 0;
}

QString cData::CurPlayer() const { return Read(kUsers, QString::number(kCurrentPlayerKey)); }

void cData::SetCurPlayer(const QString& name)
{
    Write(kUsers, QString::number(kCurrentPlayerKey), name);
}

int cData::TotalPlayers() const
{
    int n = 0;
    for (int slot = 1; slot <= kMaxPlayers; ++slot)
        if (!GetPlayer(slot).isEmpty())
            ++n;
    return n;
}

QString cData::GetPlayer(int slot) const { return Read(kUsers, QString::number(slot)); }

void cData::SetPlayer(int slot, const QString& name, bool makeCurrent)
{
    Write(kUsers, QString::number(slot), name);
    if (makeCurrent)
        SetCurPlayer(name);
}

std::optional<QRect> cData::WindowRect() const
{
    long long v[4] = {};
    const char* keys[4] = {"Left", "Top", "Width", "Height"};
    for (int i = 0; i < 4; ++i)
        if (!ToInt(Read(kWindow, QLatin1String(keys[i])), -kWindowExtent, kWindowExtent, v[i]))
            return std::nullopt;
    if (v[2] <= 0 || v[3] <= 0)
        return std::nullopt;
    return QRect(int(v[0]), int(v[1]), int(v[2]), int(v[3]));
}

bool cData::WindowMaximized() const { return Read(kWindow, QStringLiteral("Maximized")) == QStringLiteral("1"); }

void cData::SetWindowPlacement(const QRect& normal, bool maximized)
{
    Write(kWindow, QStringLiteral("Left"), QString::number(normal.left()));
    Write(kWindow, QStringLiteral("Top"), QString::number(normal.top()));
    Write(kWindow, QStringLiteral("Width"), QString::number(normal.width()));
    Write(kWindow, QStringLiteral("Height"), QString::number(normal.height()));
    Write(kWindow, QStringLiteral("Maximized"), maximized ? QStringLiteral("1") : QStringLiteral("0"));
}

QString cData::GetRecent(int pos) const { return Read(kRecent, QString::number(pos)); }

void cData::SetRecent(const QString& name)
{
    if (name == GetRecent(1))
        return;
    for (int pos = kRecentGames - 1; pos >= 1; --pos)
        Write(kRecent, QString::number(pos + 1), GetRecent(pos));
    Write(kRecent, QStringLiteral("1"), name);
}

int cData::RecentCount() const
{
    int n = 0;
    for (int pos = 1; pos <= kRecentGames; ++pos)
        if (!GetRecent(pos).isEmpty())
            ++n;
    return n;
}

void cData::ClearRecent()
{
    for (int pos = 1; pos <= kRecentGames; ++pos)
        Write(kRecent, QString::number(pos), QString());
}

void cData::SetCurGName(const QString& name)
{
    curGName_ = name;
    SetLastGName(name);
}

void cData::PlaySound(const QString& kind) const
{
    struct Sound { const char* kind; const char* resource; int (cData::*on)() const; };
    static const Sound kSounds[] = {
        {"Start", "START", &cData::SoundStart},
        {"CardUp", "CARDUP", &cData::SoundCardUp},
        {"CardDown", "CARDDOWN", &cData::SoundCardDown},
        {"AutoPlay", "AUTOPLAY", &cData::SoundAutoPlay},
        {"Undo", "UNDO", &cData::SoundUndo},
        {"Redo", "UNDO", &cData::SoundRedo}, // redo has no sound of its own
        {"Win", "WIN", &cData::SoundWin},
    };
    for (const Sound& s : kSounds)
        if (kind == QLatin1String(s.kind) && (this->*s.on)() != 0 && soundPlayer_)
            soundPlayer_->Play(QLatin1String(s.resource));
}

void cData::ShowRules(const QString& gameName) const
{
    if (helpViewer_)
        helpViewer_->ShowContext(GetGameID(gameName));
}

void cData::ShowContents() const
{
    if (helpViewer_)
        helpViewer_->ShowContents();
}

} // namespace solvane
