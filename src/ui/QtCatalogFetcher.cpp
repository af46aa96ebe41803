#include "ui/QtCatalogFetcher.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkInformation>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace lumivane {

namespace {

// Per-manager rather than QNetworkProxyFactory::setUseSystemConfiguration, which would change
// every network user in the process.
class SystemProxyFactory : public QNetworkProxyFactory {
public:
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& query) override {
        return systemProxyForQuery(query);
    }
};

bool IsHttpUrl(const QUrl& url) {
    return url.isValid() &&
           (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"));
}

QVariant HttpStatus(const QNetworkReply& reply) {
    return reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
}

bool IsSuccess(const QVariant& status) {
    const int code = status.toInt();
    return status.isValid() && code >= 200 && code < 300;
}

// Hands what has arrived to the sink; the body of an error page is dropped.
bool PassOn(QNetworkReply& reply, const CatalogFetcher::Sink& sink) {
    if (!reply.isOpen()) {
        return true;
    }
    const QByteArray chunk = reply.readAll();
    if (chunk.isEmpty() || !IsSuccess(HttpStatus(reply))) {
        return true;
    }
    return sink(std::span(reinterpret_cast<const std::uint8_t*>(chunk.constData()),
                          static_cast<std::size_t>(chunk.size())));
}

FetchOutcome OutcomeOf(const QNetworkReply& reply, bool refused) {
    const QVariant status = HttpStatus(reply);
    if (!status.isValid()) {
        return FetchOutcome::NoConnection;
    }
    if (!IsSuccess(status)) {
        return FetchOutcome::NoFile;
    }
    if (refused || reply.error() != QNetworkReply::NoError) {
        return FetchOutcome::Broken;
    }
    return FetchOutcome::Complete;
}

} // namespace

QtCatalogFetcher::QtCatalogFetcher(std::chrono::milliseconds stallTimeout)
    : m_stallTimeout(stallTimeout) {}

FetchOutcome QtCatalogFetcher::Fetch(const std::string& url, const Sink& sink) {
    const QUrl target(QString::fromStdString(url), QUrl::StrictMode);
    if (!IsHttpUrl(target)) {
        return FetchOutcome::NoConnection;
    }
    QNetworkAccessManager manager;
    manager.setProxyFactory(new SystemProxyFactory);
    QNetworkRequest request(target);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("qor30"));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setTransferTimeout(static_cast<int>(m_stallTimeout.count()));

    QNetworkReply* reply = manager.get(request);
    m_aborted = false;
    m_abortTransfer = [reply] {
        reply->abort();
    };
    bool refused = false;
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, [&] {
        if (!refused && !PassOn(*reply, sink)) {
            refused = true;
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished()) {
        loop.exec();
    }
    if (!refused && !m_aborted && !PassOn(*reply, sink)) {
        refused = true;
    }
    m_abortTransfer = nullptr;
    const FetchOutcome outcome = m_aborted ? FetchOutcome::Broken : OutcomeOf(*reply, refused);
    delete reply;
    return outcome;
}

void QtCatalogFetcher::Abort() {
    m_aborted = true;
    if (m_abortTransfer) {
        m_abortTransfer();
    }
}

bool QtCatalogFetcher::IsSystemOffline() {
    if (!QNetworkInformation::instance() &&
        !QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability)) {
        return false;
    }
    return QNetworkInformation::instance()->reachability() ==
           QNetworkInformation::Reachability::Disconnected;
}

} // namespace lumivane
