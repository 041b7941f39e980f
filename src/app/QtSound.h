#pragma once

#include "platform/Sound.h"

#include <QObject>

namespace tidecopy {

// Sound through Qt Multimedia: one short-lived sound effect per play.
class QtSound : public QObject, public Sound {
    Q_OBJECT
public:
    explicit QtSound(QObject* parent = nullptr)
        : QObject(parent) {}

    void play(const std::string& path, std::function<void()> finished) override;
};

} // namespace tidecopy
