#include "gui/coverart/CoverSearchCommand.h"

#include "gui/coverart/FindNetJacketForm.h"

#include "backends/net/NetworkHttpClient.h"
#include "core/coverart/CoverSearchSettings.h"

#include <QMessageBox>

namespace vireo::gui {

CoverSearchCommand::CoverSearchCommand(std::function<TRegManager *()> settingsStore)
    : m_settingsStore(std::move(settingsStore)), m_client(std::make_unique<net::NetworkHttpClient>())
{
}

CoverSearchCommand::~CoverSearchCommand() = default;

void CoverSearchCommand::setProxy(int proxyUse, const QString &address, const QString &port)
{
    m_proxyUse = proxyUse;
    m_proxyAddress = address;
    m_proxyPort = port;
}

bool CoverSearchCommand::run(QWidget *parent, const QString &artist, const QString &album, const QString &folder)
{
    TRegManager *store = m_settingsStore ? m_settingsStore() : nullptr;
    if (!store)
        return false;
    const auto proxy = coverart::proxyFromSettings(m_proxyUse, m_proxyAddress, m_proxyPort);
    if (!proxy) {
        QMessageBox::critical(parent, QString(), proxy.message());
        return false;
    }
    m_client->setProxy(*proxy);
    TFindNetJacketForm form(*m_client, m_pacer, coverart::readCoverSearchSettings(*store), parent);
    form.OpenSearch(artist, album, folder);
    form.exec();
    return true;
}

} // namespace vireo::gui
