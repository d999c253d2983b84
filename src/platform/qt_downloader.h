#pragma once
// The Downloader on Qt Network. A transfer is bounded: it fails when it takes longer than
// the time limit in all, when the body grows past the size limit, after too many
// redirects, on an error status, and on any connection or name failure. While it runs,
// the program's windows keep painting and its timers ticking, but the user's input to
// them is dropped; a close request from the window manager still gets through, so that
// closing the waiting window can end the wait through abort().

#include "core/ports.h"

#include <QPointer>
#include <chrono>

class QNetworkReply;

struct DownloadLimits {
    std::chrono::milliseconds total{10'000};
    qint64 bodyBytes = 1 << 20;
    int redirects = 5;
};

class QtDownloader : public Downloader {
public:
    explicit QtDownloader(DownloadLimits limits = {}) : limits_(limits) {}

    std::optional<QByteArray> DownloadToFile(const QString& url, const QString& path) override;
    void abort() override;

private:
    DownloadLimits limits_;
    QPointer<QNetworkReply> running_;
};
