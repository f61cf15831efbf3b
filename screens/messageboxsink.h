#pragma once
// The program's own information messages (the stem lookup's
// ":Not Found プログラムエラー") as an information box with one OK button.

#include <QPointer>
#include <QWidget>

#include "messagesink.h"

namespace hoshi {

class MessageBoxSink : public MessageSink {
public:
    explicit MessageBoxSink(QWidget* parent = nullptr) : parent_(parent) {}
    void information(const std::string& text) override;

private:
    QPointer<QWidget> parent_;
};

} // namespace hoshi
