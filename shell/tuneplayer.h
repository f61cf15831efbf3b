#pragma once
// TunePlayer: plays a sound file asynchronously on a thread of its own. The
// sound system loads and starts a sample through its thread's event loop;
// start-up blocks the window thread for the splash, so the tune gets a
// thread whose loop keeps running meanwhile.

#include <QObject>
#include <QThread>

class QSoundEffect;

namespace hoshi {

class TunePlayer : public QObject {
    Q_OBJECT
public:
    explicit TunePlayer(QObject* parent = nullptr);
    ~TunePlayer() override;

    // Starts the file playing; a missing file or sound device is no error.
    void play(const QString& path);

private:
    QThread thread_;
    QObject* worker_; // lives in thread_
    QSoundEffect* effect_ = nullptr;
};

} // namespace hoshi
