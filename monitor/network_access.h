#pragma once

class QNetworkAccessManager;
class QObject;

// The network the monitor downloads through, as the user's system has it: its proxy, which
// Qt reads on each platform (Internet Options on Windows, http_proxy, https_proxy and no_proxy
// elsewhere), and the authorities it trusts for https.
QNetworkAccessManager *makeNetworkAccess(QObject *parent);
