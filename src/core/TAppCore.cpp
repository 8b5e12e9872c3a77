#include "TAppCore.h"

#include "support/IPrompt.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

TAppCore::TAppCore(const TQVAppInfo& appInfo, IPrompt& prompt)
    : AppInfo(appInfo)
    , List(std::make_unique<TQVRDElementList>())
    , m_prompt(prompt)
{
    Log.SetDateFormat(Dates);
    Log.SetBalloonsEnabled([this] { return Options.ShowLogEventsAsBallonHints; });
}

TAppCore::~TAppCore()
{
    // A listing on its way posts to this object's receiver; it must be done before the receiver goes.
    for (const QPointer<QThread>& worker : std::as_const(m_listingWorkers)) {
        if (worker)
            worker->wait();
    }
}

QString TAppCore::ConnectionRootFolder() const
{
    return Options.ResolveConnectionRootFolder(AppInfo.StartDir());
}

void TAppCore::Startup(const std::function<void()>& logLoaded)
{
    const QString startDir = AppInfo.StartDir();
    for (const QString& message : Log.LoadLog(startDir + LogFileName))
        m_prompt.ShowMessage(message, IPrompt::Kind::Error);
    m_closing = false;
    if (logLoaded)
        logLoaded();
    m_ready = false;

    m_hadSettingsFile = QFileInfo::exists(startDir + SettingsFileName);
    Store = std::make_unique<TIniFile>(startDir + SettingsFileName);
    Layout = std::make_unique<TIniFile>(startDir + LayoutFileName);
    Settings = std::make_unique<TQVSettings>(*Store, Options, LogEvents, *List, Dates);
    if (!Store->LoadError().isEmpty())
        m_prompt.ShowMessage(Store->LoadError(), IPrompt::Kind::Error);
    Settings->ReadFavorites();
    Options.LoadOptions(*Store);

    const QString root = ConnectionRootFolder();
    // One level only: a root whose parent is missing is a typing error more likely than a wish.
    if (!QFileInfo(root).isDir() && !QDir().mkdir(root)) {
        m_prompt.ShowMessage(QStringLiteral("Cannot create the connection folder \"%1\".").arg(root),
                             IPrompt::Kind::Error);
    }
    m_scanner = std::make_unique<TFolderScanner>(*List, Tree);
    RefreshConnections();

    Log.AddLog({}, QStringLiteral("Application Start"), {}, TLogLevel::Start);
    m_ready = true;
}

void TAppCore::RefreshConnections()
{
    if (!m_scanner)
        return;
    TFolderListing listing = TFolderListing::Take(ConnectionRootFolder(), true);
    ApplyListing(listing);
}

void TAppCore::ApplyListing(TFolderListing& listing)
{
    if (!m_scanner)
        return;
    ++m_treeGeneration;
    reportScanErrors(m_scanner->Apply(ConnectionRootFolder(), listing, Settings.get()));
    Tree.SetFolderCaptions(Options.FoldertextWithCount);
    Tags.BuildTagsTree(*List);
}

void TAppCore::TakeListingInBackground(std::function<void(TFolderListing*)> ready)
{
    if (!List || m_closing)
        return;
    // The worker gets copies only: the root, and the paths the list knows (their files are not read again).
    QSet<QString> known;
    known.reserve(List->Count());
    for (int i = 0; i < List->Count(); ++i)
        known.insert(List->At(i)->RdpFile().FileName);
    const QString root = ConnectionRootFolder();
    const quint64 generation = m_treeGeneration;
    QThread* worker = QThread::create([this, root, known = std::move(known), generation, ready = std::move(ready)] {
        auto listing = std::make_shared<TFolderListing>(
            TFolderListing::Take(root, true, [&known](const QString& path) { return known.contains(path); }));
        QMetaObject::invokeMethod(
            &m_listingReceiver,
            [this, listing, generation, ready] {
                if (m_closing)
                    return;
                ready(generation == m_treeGeneration ? listing.get() : nullptr);
            },
            Qt::QueuedConnection);
    });
    QObject::connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    m_listingWorkers.removeAll(nullptr);
    m_listingWorkers.append(worker);
    worker->start();
}

void TAppCore::reportScanErrors(const QList<TScanError>& errors)
{
    if (errors.isEmpty())
        return;
    QStringList lines;
    for (const TScanError& error : errors) {
        Log.AddLog(QString(), error.Message, error.FileName, TLogLevel::Error);
        lines.append(error.Message);
    }
    m_prompt.ShowMessage(QStringLiteral("These connection files could not be read and are left out:\n\n") +
                             lines.join(u'\n'),
                         IPrompt::Kind::Error);
}

bool TAppCore::CloseQuery()
{
    if (List->ConnectedCount() == 0)
        return true;
    const bool close =
        m_prompt.Confirm(QStringLiteral("Confirm Application Close"),
                         QStringLiteral("You have open RDP Sessions. Do you realy want to close the application?"));
    m_closing = close;
    return close;
}

void TAppCore::Shutdown(IWindowSettings* window)
{
    m_closing = true;
    ++m_treeGeneration;
    Log.AddLog({}, QStringLiteral("Application Stop"), {}, TLogLevel::Stop);
    if (Settings) {
        if (TStatus saved = Settings->SaveSettings(window); !saved)
            m_prompt.ShowMessage(saved.error(), IPrompt::Kind::Error);
    }
    // Freeing the elements ends every session without asking.
    m_scanner.reset();
    Settings.reset();
    List.reset();
    if (TStatus saved = Log.SaveLog(AppInfo.StartDir() + LogFileName); !saved)
        m_prompt.ShowMessage(saved.error(), IPrompt::Kind::Error);
}
