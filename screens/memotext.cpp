#include "memotext.h"

#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

namespace hoshi {

QFont memoFont() {
    QFont f(QStringLiteral("ＭＳ ゴシック"));
    f.setPixelSize(12);
    f.setStyleHint(QFont::Monospace);
    return f;
}

QTextEdit* makeMemo(QWidget* parent, const QRect& geometry, int wrapWidth) {
    auto* memo = new QTextEdit(parent);
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->setGeometry(geometry);
    memo->setReadOnly(true);
    memo->setAcceptRichText(false);
    memo->setFont(memoFont());
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setLineWrapMode(QTextEdit::FixedPixelWidth);
    memo->setLineWrapColumnOrWidth(wrapWidth);
    return memo;
}

namespace {

// The lines of one laid-out paragraph.
void collect(const QTextLayout& layout, const QString& text, QStringList& out) {
    if (layout.lineCount() == 0) {
        out << text;
        return;
    }
    for (int k = 0; k < layout.lineCount(); ++k)
        out << text.mid(layout.lineAt(k).textStart(), layout.lineAt(k).textLength());
}

} // namespace

QStringList wrappedLines(const QStringList& lines, const QFont& font, int width) {
    QStringList out;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (const QString& text : lines) {
        QTextLayout layout(text, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
            line.setLineWidth(width);
        layout.endLayout();
        collect(layout, text, out);
    }
    return out;
}

QStringList displayedLines(const QTextEdit& memo) {
    QStringList out;
    for (QTextBlock block = memo.document()->begin(); block.isValid(); block = block.next()) {
        if (const QTextLayout* layout = block.layout())
            collect(*layout, block.text(), out);
        else
            out << block.text();
    }
    return out;
}

void appendLine(QTextEdit& memo, const QString& line) {
    QTextCursor c(memo.document());
    c.movePosition(QTextCursor::End);
    if (!memo.document()->isEmpty()) c.insertBlock();
    c.insertText(line);
}

} // namespace hoshi
