#include "monitor/network_access.h"

#include <QNetworkAccessManager>

// Schannel checks certificates against Windows' own stores, the ones the browser control
// trusts; there is nothing to add.
QNetworkAccessManager *makeNetworkAccess(QObject *parent)
{
    return new QNetworkAccessManager(parent);
}
