#include "detailreport.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include "boardreport.h"
#include "detailtexts.h"
#include "memotext.h"
#include "pairpictures.h"
#include "prntunt.h"
#include "programfile.h"
#include "qtext.h"

namespace hoshi {

QString detailHeader(BoardKind kind, const BoardPeriod& period, const QString& direction) {
    return qs(detailDateText(kind, period)) + QStringLiteral(" : ") + direction +
           QStringLiteral(" の方位の詳細鑑定");
}

namespace {

QString& pictureFolder() {
    static QString folder;
    return folder;
}

} // namespace

void setPictureFolder(const QString& folder) {
    pictureFolder() = folder;
}

QImage loadPicture(std::string_view name) {
    const QString base = qs(name) + QStringLiteral(".bmp");
    const QString file =
        pictureFolder().isEmpty() ? programFile(base) : pictureFolder() + QLatin1Char('/') + base;
    QImage image(file);
    if (image.isNull()) throw Error("画像ファイル「" + file.toStdString() + "」を読み込めません。");
    return image;
}

DetailReport detailReportOf(const BoardSnapshot& s, PalaceNo p) {
    if (!s.record) throw Error("詳細説明の印刷には暦から読んだ盤が必要です。");
    const PalaceReading& reading = s.palaces[static_cast<std::size_t>(p)];
    DetailReport r;
    r.title = qs(detailTitle(s.kind));
    r.header = detailHeader(s.kind, s.period, qs(at(directionCaption, p, "palace")));
    const DetailValues v = detailValues(s.fields, p);
    r.ten = qs(v.ten);
    r.ti = qs(v.ti);
    r.kyusei = qs(v.kyusei);
    r.hatimon = qs(v.hatimon);
    r.kyugu = qs(v.kyugu);
    r.hatijin = qs(v.hatijin);
    QStringList memo;
    for (const std::string& line :
         detailMemo(s.memoLines(p), reading.lines, responseLines(s.kind, s.response, p)))
        memo << qs(line);
    r.memo = wrappedLines(memo, memoFont(), detailMemoWidth);
    const auto [heaven, earth] = pairPictures(reading.heaven, reading.earth);
    r.heaven = loadPicture(heaven);
    r.earth = loadPicture(earth);
    BoardReport footer;
    fillFooter(footer);
    r.ownerTitle = footer.ownerTitle;
    r.ownerTel = footer.ownerTel;
    return r;
}

namespace {

constexpr int memoTop = 189, memoPitch = 5, memoLast = 268; // mm; the footer stands at 275
constexpr int nextPageMemoTop = 30;

// Lines broken again where they would cross the printable width.
QStringList fitted(const QPainter& p, const QStringList& lines, int widthDots) {
    QStringList out;
    for (const QString& line : lines) out << wrapLine(p, line, widthDots);
    return out;
}

} // namespace

void paintDetailReport(QPainter& p, const Tprntunt& layout, const DetailReport& r) {
    const int printable = p.device()->width();
    auto header = [&] {
        p.setBrush(Qt::white);
        p.setPen(Qt::black);
        QFont font(QStringLiteral("ＭＳ ゴシック"));
        font.setPointSize(16);
        p.setFont(font);
        layout.printTitle(p, r.title);
        Tprntunt::textOut(p, layout.headerPos, r.header);
        font.setPointSize(12);
        p.setFont(font);
    };
    header();
    auto text = [&](int x, int y, const QString& s) {
        const QStringList parts = wrapLine(p, s, printable - layout.mmDots[x] - layout.mmDots[1]);
        for (int i = 0; i < parts.size(); ++i) Tprntunt::textOut(p, layout.mm(x, y + i * 5), parts[i]);
    };
    text(60, 40, QStringLiteral("●天盤"));
    text(60, 50, r.ten);
    text(60, 80, QStringLiteral("●地盤"));
    text(60, 90, r.ti);
    const std::pair<QString, const QString*> rows[] = {{QStringLiteral("●九星"), &r.kyusei},
                                                       {QStringLiteral("●八門"), &r.hatimon},
                                                       {QStringLiteral("●九宮"), &r.kyugu},
                                                       {QStringLiteral("●八神"), &r.hatijin}};
    int y = 125;
    for (const auto& [caption, value] : rows) {
        text(6, y, caption);
        text(6, y + 5, *value);
        y += 15;
    }
    text(6, 183, QStringLiteral("■■ 鑑定結果 ■■"));
    p.drawImage(QRect(layout.mm(6, 40), QSize(layout.mmDots[50], layout.mmDots[40])), r.heaven);
    p.drawImage(QRect(layout.mm(6, 80), QSize(layout.mmDots[50], layout.mmDots[40])), r.earth);

    const QStringList memo = fitted(p, r.memo, printable - layout.mmDots[10] - layout.mmDots[1]);
    int line = memoTop;
    for (const QString& m : memo) {
        if (line > memoLast) {
            layout.printFooter(p, r.ownerTitle, r.ownerTel);
            auto* paged = dynamic_cast<QPagedPaintDevice*>(p.device());
            if (!paged || !paged->newPage()) throw Error("印刷の次のページを始められません。");
            header();
            line = nextPageMemoTop;
        }
        Tprntunt::textOut(p, layout.mm(10, line), m);
        line += memoPitch;
    }
    layout.printFooter(p, r.ownerTitle, r.ownerTel);
}

} // namespace hoshi
