#pragma once
// The read-only memos of the detail and direction-taking windows: their
// font, how they break lines, and their lines as they display them, so a
// printout and the board printer take the same lines.

#include <QFont>
#include <QRect>
#include <QStringList>

class QTextEdit;
class QWidget;

namespace hoshi {

// "ＭＳ ゴシック" at 12 pixels, fixed pitch.
QFont memoFont();

// A read-only memo with a vertical scroll bar, breaking its lines at
// `wrapWidth` pixels.
QTextEdit* makeMemo(QWidget* parent, const QRect& geometry, int wrapWidth);

// Each line laid out at `width` pixels in `font`, broken where a memo of
// that width breaks it.
QStringList wrappedLines(const QStringList& lines, const QFont& font, int width);

// A memo's lines as it displays them.
QStringList displayedLines(const QTextEdit& memo);

// Appends a line (a paragraph) at the end of a memo.
void appendLine(QTextEdit& memo, const QString& line);

} // namespace hoshi
