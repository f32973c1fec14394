// The main window built the way a plain Qt port would build it, with stock
// widgets only: QLabels with sunken 2 px panels and word wrap, QLineEdit,
// QPushButton, a QGroupBox with QRadioButtons, two QFrames for the seconds
// bar, the cream JPEG decoded at start, the same fonts, texts and timers
// (100 ms for the date and time, 2000 ms for the bar). It does nothing on
// input; it exists to be measured beside kanmeri (bench/compare.sh).
//
// Honours KANMERI_EXIT_AFTER_FIRST_PAINT (bench/first_paint_exit.h), as
// kanmeri's first-frame build ends by itself: when set to a non-empty value,
// the process ends (std::_Exit) as soon as the first frame has been painted
// and sent to the display server.
#include <QApplication>
#include <QDateTime>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cstdlib>

#include "bench/first_paint_exit.h"

namespace {

QString gothic() {
    const QStringList installed = QFontDatabase::families();
    for (const char* family : {"ＭＳ Ｐゴシック", "MS PGothic", "IPAPGothic", "VL PGothic"}) {
        if (installed.contains(QString::fromUtf8(family))) {
            return QString::fromUtf8(family);
        }
    }
    return QStringLiteral("Noto Sans CJK JP");
}

QFont font(int pixels, bool bold, bool italic = false) {
    QFont f(gothic());
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

void look(QWidget* w, QRect geometry, const QFont& f, QColor colour = {}) {
    w->setGeometry(geometry);
    w->setFont(f);
    if (colour.isValid()) {
        QPalette p = w->palette();
        p.setColor(QPalette::WindowText, colour);
        w->setPalette(p);
    }
}

QLabel* label(QWidget* window, const QString& text, QRect geometry, const QFont& f,
              QColor colour = {}, bool border = false) {
    auto* l = new QLabel(text, window);
    look(l, geometry, f, colour);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setWordWrap(true);
    if (border) {
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setLineWidth(2);
    }
    return l;
}

// A label that takes the size of its caption on one line.
QLabel* autoSize(QWidget* window, const QString& text, QPoint at, const QFont& f, QColor colour) {
    QLabel* l = label(window, text, QRect(at, QSize(1, 1)), f, colour, true);
    l->setWordWrap(false);
    l->adjustSize();
    return l;
}

QFrame* bar(QWidget* window, QRect geometry, QColor fill) {
    auto* f = new QFrame(window);
    f->setGeometry(geometry);
    f->setFrameStyle(QFrame::Box | QFrame::Plain);
    f->setLineWidth(1);
    QPalette p = f->palette();
    p.setColor(QPalette::Window, fill);
    p.setColor(QPalette::WindowText, Qt::black);
    f->setPalette(p);
    f->setAutoFillBackground(true);
    return f;
}

const char16_t* const kDays[] = {u"月曜日", u"火曜日", u"水曜日", u"木曜日",
                                 u"金曜日", u"土曜日", u"日曜日"};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("曜日探し　＆　今週から1週間の運勢占い（当たるかな？）"));
    window.setWindowIcon(QIcon(QStringLiteral(":/stock/smiley.ico")));
    window.setFixedSize(580, 340);
    QPalette paper = window.palette();
    paper.setBrush(QPalette::Window, QPixmap(QStringLiteral(":/stock/paper_cream.jpg")));
    window.setPalette(paper);
    window.setAutoFillBackground(true);

    const QColor green(0x008000);
    auto* inymd = new QLineEdit(&window);
    look(inymd, {160, 152, 137, 28}, font(19, true));
    QLabel* date = autoSize(&window, QStringLiteral("xxxxxxxxxxxxxxxxxxxxxxxxx"), {56, 56},
                            font(16, true, true), green);
    QLabel* time = autoSize(&window, QStringLiteral("  12:01:02(am)  "), {288, 56},
                            font(16, true, true), green);
    label(&window, QStringLiteral("   ただ今の日付と時刻です"), {144, 24, 241, 25}, font(16, true),
          green);
    auto* frame = new QGroupBox(QStringLiteral("時刻表示切替"), &window);
    look(frame, {440, 24, 121, 65}, font(13, true));
    QPalette cream = frame->palette();
    cream.setColor(QPalette::Window, QColor(0xF1EBCB));
    frame->setPalette(cream);
    frame->setAutoFillBackground(true);
    auto* twelve = new QRadioButton(QStringLiteral("１２時間表示"), frame);
    look(twelve, {8, 16, 105, 25}, font(12, true));
    twelve->setChecked(true);
    look(new QRadioButton(QStringLiteral("２４時間表示"), frame), {8, 40, 105, 17}, font(12, true));
    look(new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), &window), {392, 152, 57, 25}, font(13, true));
    look(new QPushButton(QStringLiteral("ＯＫ"), &window), {320, 152, 57, 25}, font(19, true));
    label(&window, QStringLiteral("指定の曜日を探します！！　　"), {48, 120, 177, 17},
          font(13, true), green);
    label(&window, QStringLiteral("誕生日等、お探しの年月日を入力して下さい（西暦）"),
          {216, 120, 321, 17}, font(13, true), green);
    label(&window, QString(), {104, 192, 305, 25}, font(16, true), QColor(0xFF0000), true);
    label(&window, QStringLiteral("yyyy/mm/dd"), {48, 152, 113, 25}, font(16, true, true),
          QColor(0xC00000));
    label(&window,
          QStringLiteral("今日から１週間の運勢占いです。あなたの好きな数字を１桁入れて下さい。"),
          {24, 240, 225, 49}, font(15, true), QColor(0x800000));
    label(&window, QStringLiteral("ＧＯ"), {304, 256, 49, 25}, font(19, true), {}, true)
        ->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    autoSize(&window, QStringLiteral("　　＊＊＊＊＊＊＊＊　　"), {40, 296}, font(19, true, true),
             QColor(0xFF00FF));
    auto* insuu = new QLineEdit(&window);
    look(insuu, {264, 256, 25, 30}, font(21, false));
    insuu->setAlignment(Qt::AlignCenter);
    label(&window, QStringLiteral("←　ＧＯ　ボタンを押して下さい"), {368, 264, 201, 17},
          font(15, false, true), QColor(0x800080));
    label(&window, QStringLiteral("曜日探しと今週の運勢"), {8, 8, 177, 17}, font(13, true));
    look(new QPushButton(QStringLiteral("このプログラムの終了ボタン"), &window), {464, 192, 97, 41},
         font(12, true));
    look(new QPushButton(QStringLiteral("時刻のみ表示ボタン"), &window), {440, 0, 137, 17},
         font(13, true));
    QFrame* outline = bar(&window, {56, 88, 361, 9}, Qt::white);
    QFrame* filled = bar(&window, {56, 88, 49, 9}, green);
    outline->raise();
    filled->raise();

    QTimer clock;
    QObject::connect(&clock, &QTimer::timeout, &window, [&] {
        const QDateTime now = QDateTime::currentDateTime();
        const QDate d = now.date();
        date->setText(QStringLiteral("  %1年%2月%3日(%4)  ")
                          .arg(d.year(), 4, 10, QLatin1Char('0'))
                          .arg(d.month(), 2, 10, QLatin1Char('0'))
                          .arg(d.day(), 2, 10, QLatin1Char('0'))
                          .arg(QString::fromUtf16(kDays[d.dayOfWeek() - 1])));
        date->adjustSize();
        const QString form =
            twelve->isChecked() ? QStringLiteral("hh:mm:ss (AP)") : QStringLiteral("HH:mm:ss");
        time->setText(QStringLiteral("  %1  ").arg(now.time().toString(form)));
        time->adjustSize();
    });
    clock.start(100);
    QTimer seconds;
    QObject::connect(&seconds, &QTimer::timeout, &window, [&] {
        filled->resize(outline->width() * QTime::currentTime().second() / 60, filled->height());
    });
    seconds.start(2000);

    kanmeri::bench::exitAfterFirstPaint(window);
    window.show();
    inymd->setFocus();
    return QApplication::exec();
}
