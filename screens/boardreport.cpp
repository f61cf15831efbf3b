#include "boardreport.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>

#include "prntunt.h"
#include "qtext.h"
#include "settings.h"

namespace hoshi {

void fillSlots(BoardReport& r, const BoardFields& b) {
    for (int p = 1; p <= 9; ++p) {
        const auto i = static_cast<std::size_t>(p);
        const Name values[] = {b.sei[i], b.kyu[i], b.ten[i], b.mon[i], b.jin[i], b.ti[i]};
        for (std::size_t s = 1; s <= 6; ++s) r.slot[s][i] = qs(values[s - 1]);
    }
}

void fillFooter(BoardReport& r) {
    r.ownerTitle = settings::ownerTitle();
    r.ownerTel = settings::ownerTel();
}

BoardReport reportOf(const BoardSnapshot& s) {
    BoardReport r;
    r.suffix = qs(boardKind(s.kind).printSuffix);
    if (!s.record) throw Error("鑑定表には暦から読んだ盤が必要です。");
    QString first = qs(s.record->key);
    if (s.kind == BoardKind::hour)
        first += QStringLiteral(" ") + qs(at(siName, s.fields.si, "hour branch")) + QStringLiteral("の刻");
    r.header = {first, qs(s.record->kansi), qs(s.record->inyou), qs(s.record->kyoku)};
    fillSlots(r, s.fields);
    for (PalaceNo p : outerPalaces)
        for (const std::string& line : s.memoLines(p)) r.memo[static_cast<std::size_t>(p)] << qs(line);
    fillFooter(r);
    return r;
}

QStringList wrapLine(const QPainter& p, const QString& line, int widthDots) {
    static const QString closing =
        QStringLiteral("、。，．・：；？！」』）〕］｝〉》】ぁぃぅぇぉっゃゅょァィゥェォッャュョー)]}.,");
    const QFontMetrics fm = p.fontMetrics();
    QStringList out;
    QString current;
    for (const QChar c : line) {
        if (!current.isEmpty() && fm.horizontalAdvance(current + c) > widthDots && !closing.contains(c)) {
            out << current;
            current.clear();
        }
        current += c;
    }
    if (!current.isEmpty() || out.isEmpty()) out << current;
    return out;
}

void paintBoardReport(QPainter& p, const Tprntunt& layout, const BoardReport& r) {
    p.setBrush(Qt::white);
    p.setPen(Qt::black);
    layout.printBoardGrid(p);
    p.setBrush(Qt::white);
    QFont font(QStringLiteral("ＭＳ ゴシック"));
    font.setPointSize(16);
    p.setFont(font);
    layout.printTitle(p, r.suffix);
    Tprntunt::textOut(p, layout.headerPos, r.header.join(QLatin1Char(',')));
    for (std::size_t s = 1; s <= 6; ++s)
        for (std::size_t q = 1; q <= 9; ++q) Tprntunt::textOut(p, layout.slotPos[s][q], r.slot[s][q]);
    // The readings, each line broken within its 50 mm block, 5 mm apart.
    font.setPointSize(12);
    p.setFont(font);
    const int width = layout.mmDots[50];
    for (PalaceNo q : outerPalaces) {
        const auto i = static_cast<std::size_t>(q);
        int n = 0;
        for (const QString& line : r.memo[i])
            for (const QString& part : wrapLine(p, line, width))
                Tprntunt::textOut(p, layout.memoPos[i] + QPoint(0, n++ * layout.mmDots[5]), part);
    }
    layout.printFooter(p, r.ownerTitle, r.ownerTel);
}

QPageLayout reportPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                       QPageLayout::Millimeter);
}

QString reportFileName(BoardKind kind, const QString& key) {
    QString date = key;
    date.replace(QLatin1Char('/'), QLatin1Char('-'));
    return QStringLiteral("鑑定表-") + qs(boardKind(kind).marker) + QStringLiteral("盤-") + date +
           QStringLiteral(".pdf");
}

} // namespace hoshi
