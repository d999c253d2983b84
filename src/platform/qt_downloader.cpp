#include "platform/qt_downloader.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSaveFile>
#include <QTimer>

namespace {

// Drops the user's input to every window for as long as it lives.
class InputBlocker : public QObject {
public:
    InputBlocker() { QCoreApplication::instance()->installEventFilter(this); }

    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::NonClientAreaMouseButtonRelease:
        case QEvent::NonClientAreaMouseButtonDblClick:
        case QEvent::NonClientAreaMouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::InputMethod:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TouchCancel:
        case QEvent::TabletPress:
        case QEvent::TabletMove:
        case QEvent::TabletRelease:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            return true;
        default:
            return false;
        }
    }
};

} // namespace

std::optional<QByteArray> QtDownloader::DownloadToFile(const QString& url, const QString& path) {
    // A file left from an earlier run must not pass for this page.
    QFile::remove(path);

    QNetworkAccessManager manager;
    QNetworkRequest request{QUrl(url)};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(limits_.redirects);
    QNetworkReply* reply = manager.get(request);
    running_ = reply;

    QByteArray body;
    const auto take = [&] {
        body += reply->readAll();
        if (body.size() > limits_.bodyBytes) reply->abort();
    };
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, take);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, reply, &QNetworkReply::abort);
    deadline.start(limits_.total);
    {
        InputBlocker blocker;
        if (!reply->isFinished()) loop.exec();
    }
    // The program is quitting: the wait ends with it.
    if (!reply->isFinished()) reply->abort();
    running_ = nullptr;
    if (reply->error() != QNetworkReply::NoError) return std::nullopt;
    take();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status < 200 || status > 299 || body.size() > limits_.bodyBytes) return std::nullopt;

    // Written whole or not at all; a folder that refuses it leaves the page in memory only.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(body) == body.size()) file.commit();
    return body;
}

void QtDownloader::abort() {
    if (running_) running_->abort();
}
