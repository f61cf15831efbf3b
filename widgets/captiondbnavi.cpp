#include "captiondbnavi.h"

#include "glyphs.h"
#include "navibutton.h"
#include "recordcursor.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

#include <bit>
#include <exception>

namespace hoshi {

namespace {

const char* const builtinCaptions[TCaptionDBNavi::ButtonCount] = {
    "&First", "&Prior", "&Next", "&Last", "&Insert", "&Delete", "&Edit", "&Post", "&Cancel", "&Refresh",
};

// What each button does to the cursor, in button order. A switch, not a
// table of member-function pointers: GCC 12 miscompiles the call through
// such a table under -fsanitize=bounds with -fsanitize=signed-integer-overflow
// (every button then calls first()).
void act(RecordCursor& cursor, int index) {
    switch (index) {
    case 0:
        return cursor.first();
    case 1:
        return cursor.prior();
    case 2:
        return cursor.next();
    case 3:
        return cursor.last();
    case 4:
        return cursor.insert();
    case 5:
        return cursor.remove();
    case 6:
        return cursor.edit();
    case 7:
        return cursor.post();
    case 8:
        return cursor.cancel();
    case 9:
        return cursor.refresh();
    }
}

Qt::Edge captionEdge(TCaptionDBNavi::CaptionLayout layout) {
    switch (layout) {
    case TCaptionDBNavi::cbLeft:
        return Qt::LeftEdge;
    case TCaptionDBNavi::cbRight:
        return Qt::RightEdge;
    case TCaptionDBNavi::cbTop:
        return Qt::TopEdge;
    case TCaptionDBNavi::cbBottom:
        break;
    }
    return Qt::BottomEdge;
}

} // namespace

int TCaptionDBNavi::indexOf(Button button) {
    return std::countr_zero(unsigned(button));
}

TCaptionDBNavi::Button TCaptionDBNavi::buttonAt(int index) {
    return Button(1u << index);
}

QPixmap TCaptionDBNavi::defaultGlyph(Button button) {
    return glyphs::navigator(indexOf(button), qGuiApp->devicePixelRatio());
}

TCaptionDBNavi::TCaptionDBNavi(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    for (int i = 0; i < ButtonCount; ++i) {
        builtin_[i] = defaultGlyph(buttonAt(i));
        auto* b = new TNaviButton(this);
        b->installEventFilter(this);
        buttons_[i] = b;
        const Button id = buttonAt(i);
        if (id == Prior || id == Next) {
            b->setAutoRepeat(true);
            b->setAutoRepeatDelay(400);
            b->setAutoRepeatInterval(100);
        }
        connect(b, &QAbstractButton::clicked, this, [this, i] { perform(i); });
    }
    applyCaptions();
    applyGlyphs();
    updateButtons();
    resize(451, 40);
    layoutButtons();
}

TCaptionDBNavi::~TCaptionDBNavi() = default;

QSize TCaptionDBNavi::sizeHint() const {
    return {451, 40};
}

void TCaptionDBNavi::setCursor(RecordCursor* cursor) {
    cursor_ = cursor;
    updateButtons();
}

void TCaptionDBNavi::setVisibleButtons(Buttons buttons) {
    visible_ = buttons;
    layoutButtons();
}

void TCaptionDBNavi::setCaptions(const QStringList& captions) {
    captions_ = captions;
    applyCaptions();
}

void TCaptionDBNavi::setShowCaption(bool show) {
    showCaption_ = show;
    applyCaptions();
}

void TCaptionDBNavi::setCaptionLayout(CaptionLayout layout) {
    captionLayout_ = layout;
    for (auto* b : buttons_) b->setCaptionEdge(captionEdge(layout));
}

QString TCaptionDBNavi::caption(Button button) const {
    return buttons_[indexOf(button)]->text();
}

void TCaptionDBNavi::setShowGlyph(bool show) {
    showGlyph_ = show;
    applyGlyphs();
}

void TCaptionDBNavi::setGlyph(Button button, const QPixmap& glyph) {
    custom_[indexOf(button)] = glyphs::transparent(glyph);
    applyGlyphs();
}

QPixmap TCaptionDBNavi::glyph(Button button) const {
    const int i = indexOf(button);
    return custom_[i].isNull() ? builtin_[i] : custom_[i];
}

void TCaptionDBNavi::setOnMoveColor(const QColor& color) {
    onMoveColor_ = color;
    if (hot_ >= 0) buttons_[hot_]->setCaptionColor(color);
}

QColor TCaptionDBNavi::captionColor(Button button) const {
    return buttons_[indexOf(button)]->captionColor();
}

void TCaptionDBNavi::setNaviBorders(NaviBorders borders) {
    borders_ = borders;
    layoutButtons();
    update();
}

void TCaptionDBNavi::setBackBitmap(const QPixmap& bitmap) {
    backBitmap_ = bitmap;
    if (!bitmap.isNull()) {
        QPalette p = palette();
        p.setColor(QPalette::Window, p.color(QPalette::Button));
        setPalette(p);
    }
    update();
}

void TCaptionDBNavi::setFlat(bool flat) {
    flat_ = flat;
    for (auto* b : buttons_) b->setFlat(flat);
    layoutButtons();
    update();
}

QAbstractButton* TCaptionDBNavi::button(Button button) const {
    return buttons_[indexOf(button)];
}

void TCaptionDBNavi::clickButton(Button button) {
    perform(indexOf(button));
}

// The action runs first (none without an open cursor); an error leaves the
// click unreported and goes out as actionFailed, so no exception reaches the
// event loop.
void TCaptionDBNavi::perform(int index) {
    const Button id = buttonAt(index);
    // A repeat that fires while the last click is still being handled (an
    // error box's loop, say) is dropped, and ends the auto-repeat.
    if (performing_) {
        buttons_[index]->setDown(false);
        return;
    }
    struct Guard {
        bool& flag;
        explicit Guard(bool& f) : flag(f) { flag = true; }
        ~Guard() { flag = false; }
    } guard(performing_);
    emit actionStarting(id);
    QString failure;
    bool failed = false;
    if (cursor_ && cursor_->state() != RecordCursor::State::Inactive) {
        try {
            act(*cursor_, index);
        } catch (const std::exception& e) {
            failed = true;
            failure = QString::fromUtf8(e.what());
        }
    }
    updateButtons();
    if (failed) {
        buttons_[index]->setDown(false); // ends an auto-repeat
        emit actionFailed(id, failure);
        return;
    }
    emit clicked(id);
}

void TCaptionDBNavi::updateButtons() {
    const bool active = cursor_ && cursor_->state() != RecordCursor::State::Inactive;
    const bool editing = active && (cursor_->state() == RecordCursor::State::Edit ||
                                    cursor_->state() == RecordCursor::State::Insert);
    const bool bof = active && cursor_->bof();
    const bool eof = active && cursor_->eof();
    const bool enabled[ButtonCount] = {
        active && !bof,          active && !bof,     active && !eof, active && !eof, active,
        active && !(bof && eof), active && !editing, editing,        editing,        active,
    };
    for (int i = 0; i < ButtonCount; ++i) buttons_[i]->setEnabled(enabled[i]);
}

void TCaptionDBNavi::applyCaptions() {
    for (int i = 0; i < ButtonCount; ++i) {
        QString text;
        if (showCaption_) {
            text = QString::fromLatin1(builtinCaptions[i]);
            if (i < captions_.size() && !captions_[i].isEmpty()) text = captions_[i];
        }
        buttons_[i]->setText(text);
    }
}

void TCaptionDBNavi::applyGlyphs() {
    for (int i = 0; i < ButtonCount; ++i) buttons_[i]->setGlyph(showGlyph_ ? glyph(buttonAt(i)) : QPixmap());
}

QMargins TCaptionDBNavi::borderMargins() const {
    if (!flat_) return {};
    switch (borders_) {
    case nbNone:
        return {};
    case nbFrame:
        return {1, 1, 1, 1};
    case nbTopBottom:
        return {0, 1, 0, 1};
    case nbLeftRight:
        return {1, 0, 1, 0};
    }
    return {};
}

// The visible buttons share the width; the pixels left over go one each to
// the first buttons.
void TCaptionDBNavi::layoutButtons() {
    const QRect area = rect().marginsRemoved(borderMargins());
    const int count = std::popcount(unsigned(visible_.toInt()));
    const int width = count ? area.width() / count : 0;
    int spare = count ? area.width() % count : 0;
    int x = area.left();
    for (int i = 0; i < ButtonCount; ++i) {
        TNaviButton* b = buttons_[i];
        if (!visible_.testFlag(buttonAt(i))) {
            b->hide();
            continue;
        }
        const int w = width + (spare-- > 0 ? 1 : 0);
        b->setGeometry(x, area.top(), w, area.height());
        b->show();
        x += w;
    }
    if (hot_ >= 0 && !buttons_[hot_]->isVisible()) setHot(-1);
}

int TCaptionDBNavi::indexAt(QPoint pos) const {
    for (int i = 0; i < ButtonCount; ++i)
        if (!buttons_[i]->isHidden() && buttons_[i]->geometry().contains(pos)) return i;
    return -1;
}

void TCaptionDBNavi::setHot(int index) {
    if (hot_ == index) return;
    if (hot_ >= 0) buttons_[hot_]->setCaptionColor(QColor());
    hot_ = index;
    if (hot_ >= 0) buttons_[hot_]->setCaptionColor(onMoveColor_);
}

void TCaptionDBNavi::trackMouse(const QMouseEvent* event, QPoint pos) {
    const int index = indexAt(pos);
    setHot(index);
    emit mouseMoved(event->buttons(), event->modifiers(), index, pos);
}

// Moves over the buttons are watched here, since a disabled button does not
// pass them on.
bool TCaptionDBNavi::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        auto* b = static_cast<QWidget*>(watched);
        const auto* move = static_cast<const QMouseEvent*>(event);
        trackMouse(move, b->mapToParent(move->position().toPoint()));
    }
    return QWidget::eventFilter(watched, event);
}

void TCaptionDBNavi::mouseMoveEvent(QMouseEvent* event) {
    trackMouse(event, event->position().toPoint());
}

void TCaptionDBNavi::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    updateButtons();
}

void TCaptionDBNavi::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    setHot(-1);
}

void TCaptionDBNavi::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (flat_ && !backBitmap_.isNull())
        p.drawTiledPixmap(rect(), backBitmap_);
    else
        p.fillRect(rect(), palette().window());
    if (!flat_ || borders_ == nbNone) return;

    const QColor shadow = palette().color(QPalette::Dark);
    const QColor light = palette().color(QPalette::Light);
    const QRect r = rect();
    if (borders_ == nbFrame || borders_ == nbTopBottom) {
        p.setPen(shadow);
        p.drawLine(r.topLeft(), r.topRight());
        p.setPen(light);
        p.drawLine(r.bottomLeft(), r.bottomRight());
    }
    if (borders_ == nbFrame || borders_ == nbLeftRight) {
        p.setPen(shadow);
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(light);
        p.drawLine(r.topRight(), r.bottomRight());
    }
}

void TCaptionDBNavi::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutButtons();
}

} // namespace hoshi
