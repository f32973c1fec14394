#include "platform/caption_text.h"

#include <QPainter>
#include <QTextOption>
#include <cmath>

#include "platform/look.h"

namespace kanmeri::platform {

namespace {

constexpr qreal kOneLine = 1 << 20;
// Summed advances carry rounding; a caption that fits exactly must not wrap.
constexpr qreal kSlack = 1.0 / 64;

void layOutOneLine(QTextLayout& layout, const QFont& font) {
    layout.setFont(font);
    layout.setCacheEnabled(true);
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::NoWrap);
    // Trailing blanks count, so a padded caption keeps its width.
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid()) {
        line.setLineWidth(kOneLine);
    }
    layout.endLayout();
}

// Each line's baseline lies at the foot of its row's em.
void place(QTextLayout& layout, qreal x, int row, int em) {
    QTextLine line = layout.lineAt(0);
    if (line.isValid()) {
        line.setPosition(QPointF(x, (row + 1) * em - line.ascent()));
    }
}

}  // namespace

int CaptionLayout::oneLineWidth() const {
    return static_cast<int>(std::ceil(advanceWidth() - kSlack));
}

void CaptionLayout::setText(const QString& text, const QFont& font) {
    if (holds(text, font)) {
        return;
    }
    shaped_ = true;
    font_ = font;
    whole_.setText(text);
    layOutOneLine(whole_, font_);
    const QTextLine line = whole_.lineAt(0);
    ends_.resize(text.size() + 1);
    for (qsizetype i = 0; i <= text.size(); ++i) {
        ends_[i] = line.isValid() ? line.cursorToX(static_cast<int>(i)) : 0.0;
    }
    wrapped_.clear();
    width_ = -1;
}

int CaptionLayout::layOut(qreal width, bool centred) {
    if (width == width_ && centred == centred_) {
        return wrapped_.empty() ? 1 : static_cast<int>(wrapped_.size());
    }
    width_ = width;
    centred_ = centred;
    wrapped_.clear();
    const auto offset = [&](int start, int end) {
        return centred ? (width - (ends_[end] - ends_[start])) / 2 : 0.0;
    };
    const int length = static_cast<int>(whole_.text().size());
    if (advanceWidth() <= width + kSlack) {
        place(whole_, offset(0, length), 0, lineHeight());
        return 1;
    }
    for (int start = 0, row = 0; start < length; ++row) {
        const int end = lineEnd(start, width);
        auto line = std::make_unique<QTextLayout>(whole_.text().mid(start, end - start));
        layOutOneLine(*line, font_);
        place(*line, offset(start, end), row, lineHeight());
        wrapped_.push_back(std::move(line));
        start = end;
    }
    return static_cast<int>(wrapped_.size());
}

int CaptionLayout::lineEnd(int start, qreal width) const {
    const int length = static_cast<int>(whole_.text().size());
    int end = whole_.nextCursorPosition(start);
    while (end < length) {
        const int next = whole_.nextCursorPosition(end);
        if (ends_[next] - ends_[start] > width + kSlack) {
            break;
        }
        end = next;
    }
    return end;
}

void CaptionLayout::draw(QPainter& painter, QPointF topLeft) const {
    // Drawn on every clock tick: no list of lines is made for it.
    if (wrapped_.empty()) {
        whole_.draw(&painter, topLeft);
    }
    for (const auto& line : wrapped_) {
        line->draw(&painter, topLeft);
    }
}

model::TextExtent CaptionMeasure::oneLine(model::TextView text, const model::Font& font) const {
    last_ = std::make_unique<CaptionLayout>();
    last_->setText(toQString(text), toFont(font));
    return {last_->oneLineWidth(), last_->lineHeight()};
}

std::unique_ptr<CaptionLayout> CaptionMeasure::layoutFor(const QString& text,
                                                         const QFont& font) const {
    if (last_ && last_->holds(text, font)) {
        return std::move(last_);
    }
    return std::make_unique<CaptionLayout>();
}

}  // namespace kanmeri::platform
