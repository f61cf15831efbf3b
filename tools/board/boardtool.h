#pragma once
// The whole run of hoshikura-board apart from creating the Qt application:
// options, the usage text, one command or a batch, and the exit status.

#include <QString>
#include <iosfwd>
#include <string>
#include <vector>

#include "messagesink.h"

namespace hoshi::tool {

// The usage text, as printed for --help and for a missing command.
extern const char* const usageText;

// Given:    args, the command line without the program name; in, out, err the
//           standard streams; defaultDb, the folder used when --db is absent.
// Returned: the exit status: 0, or 2 for bad input, a missing or
//           undecodable record or a calendar table that cannot be opened
//           (one line on err). With --batch every line of `in` is one
//           command and gets one JSON line on out, {"error": "..."} for a
//           bad one; the status is then 0.
int runBoardTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
                 const QString& defaultDb);

// A message sink writing each message as one line to a stream.
class StreamSink : public MessageSink {
public:
    explicit StreamSink(std::ostream& out) : out_(out) {}
    void information(const std::string& text) override;

private:
    std::ostream& out_;
};

} // namespace hoshi::tool
