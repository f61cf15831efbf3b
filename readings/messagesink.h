#pragma once
// Where the reading code sends the program's own messages. The GUI shows each
// one in an information box with a single OK button and returns when it is
// closed; tests record them.

#include <string>

namespace hoshi {

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // Shows `text` and returns once the user has acknowledged it.
    virtual void information(const std::string& text) = 0;
};

} // namespace hoshi
