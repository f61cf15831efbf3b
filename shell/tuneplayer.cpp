#include "tuneplayer.h"

#include <QSoundEffect>
#include <QUrl>

namespace hoshi {

TunePlayer::TunePlayer(QObject* parent) : QObject(parent), worker_(new QObject) {
    worker_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_.start();
}

TunePlayer::~TunePlayer() {
    QMetaObject::invokeMethod(
        worker_, [this] { delete std::exchange(effect_, nullptr); }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
}

void TunePlayer::play(const QString& path) {
    QMetaObject::invokeMethod(worker_, [this, path] {
        if (!effect_) effect_ = new QSoundEffect;
        effect_->setSource(QUrl::fromLocalFile(path));
        effect_->play();
    });
}

} // namespace hoshi
