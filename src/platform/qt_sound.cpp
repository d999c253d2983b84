#include "platform/qt_sound.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

QtSound::QtSound() = default;
QtSound::~QtSound() = default;

void QtSound::play(const QString& file, std::function<void(const QString&)> failed) {
    if (!player_) {
        player_ = std::make_unique<QMediaPlayer>();
        player_->setAudioOutput(new QAudioOutput(player_.get()));
        QObject::connect(player_.get(), &QMediaPlayer::errorOccurred, player_.get(),
                         [this](QMediaPlayer::Error, const QString& message) {
                             if (failed_) failed_(message);
                         });
    }
    failed_ = std::move(failed);
    // Closes what was open before, so that the same file starts again from its beginning.
    player_->setSource(QUrl());
    player_->setSource(QUrl::fromLocalFile(file));
    player_->play();
}
