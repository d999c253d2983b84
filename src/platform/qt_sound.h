#pragma once
// Sound through Qt Multimedia. The player is made at the first sound, so that a program
// that never plays one pays nothing for it.

#include "core/ports.h"

#include <memory>

class QAudioOutput;
class QMediaPlayer;

class QtSound : public Sound {
public:
    QtSound();
    ~QtSound() override;
    void play(const QString& file, std::function<void(const QString&)> failed) override;

private:
    std::unique_ptr<QMediaPlayer> player_;
    std::function<void(const QString&)> failed_;
};
