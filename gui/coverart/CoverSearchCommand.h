#pragma once
// The cover strip's (or the menu's) "画像検索（amazon)": sets the client's
// proxy from the settings (a manual proxy with a port that is not a number
// stops here with the conversion message, and no window opens), opens the
// search window for the album modally and releases it when it closes. The
// caller then looks for the album's cover again.
#include "core/coverart/RequestPacer.h"

#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace vireo {
class TRegManager;
}

namespace vireo::net {
class NetworkHttpClient;
}

namespace vireo::gui {

class CoverSearchCommand {
public:
    // The settings store is asked for at each search (it exists from start-up on).
    explicit CoverSearchCommand(std::function<TRegManager *()> settingsStore);
    ~CoverSearchCommand();

    // Proxy settings as the window holds them (ProxyUse, ProxyAddress, ProxyPort).
    void setProxy(int proxyUse, const QString &address, const QString &port);
    // Returns false (after the message) when the window could not open.
    bool run(QWidget *parent, const QString &artist, const QString &album, const QString &folder);

private:
    std::function<TRegManager *()> m_settingsStore;
    std::unique_ptr<net::NetworkHttpClient> m_client;
    coverart::RequestPacer m_pacer; // shared by every search of the run
    int m_proxyUse = 0;
    QString m_proxyAddress, m_proxyPort;
};

} // namespace vireo::gui
