#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

// The still percent-encoded value of one query item, as the client sent it; empty when the
// item is missing.
QByteArray rawQueryValue(const QUrl &url, const QByteArray &key);

// Titles arrive as percent-encoded GBK bytes. Unlike form decoding, a "+" stays a "+".
QString decodeGbkValue(const QByteArray &rawValue);
