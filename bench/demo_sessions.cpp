// A window with one session tab per address given on the command line, for looking at sessions by eye:
//   demo_sessions 127.0.0.1:3389 127.0.0.1:3390
#include "session/TFrameRDP.h"
#include "session/TFreeRDPClient.h"
#include "session/TLocalClipboard.h"
#include "session/TSessionPromptDialogs.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QVBoxLayout>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    TFreeRDPClient::WarmUp();
    QTabWidget tabs;
    tabs.setWindowTitle(QStringLiteral("Velmora sessions"));
    tabs.resize(1100, 840);
    TSessionPromptDialogs prompts(&tabs);
    TQtClipboard clipboard;
    const QStringList addresses = QApplication::arguments().mid(1);
    for (const QString& address : addresses) {
        auto* tab = new QWidget;
        auto* layout = new QVBoxLayout(tab);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* client = new TFreeRDPClient(&prompts, QDir::tempPath() + QStringLiteral("/velmora-demo"));
        (void)client->SetProperty(TClientProperty::Server, address);
        (void)client->SetProperty(TClientProperty::AudioRedirectionMode, 2);
        (void)client->SetProperty(TClientProperty::SmartSizing, true);
        client->SetClipboard(&clipboard);
        auto* frame = new TFrameRDP(client, tab);
        client->setParent(frame);
        layout->addWidget(frame);
        tabs.addTab(tab, address);
        client->Connect();
    }
    tabs.show();
    return QApplication::exec();
}
