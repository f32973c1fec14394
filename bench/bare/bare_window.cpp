// The reference programs that kanmeri's start-up, idle cost and memory are
// measured against: the least a Qt Widgets program of the same size does.
//
// bare_window: one 580 x 340 window with one Japanese label.
// bare_clock (BARE_CLOCK defined): the same window with two labels that a
// 100 ms timer sets to the current date and time, as the running clock does.
//
// Both honour KANMERI_EXIT_AFTER_FIRST_PAINT (bench/first_paint_exit.h), as
// kanmeri's first-frame build ends by itself: when it is set to a non-empty
// value, the process ends with status 0 (std::_Exit, no teardown)
// as soon as its window's first frame has been painted and sent to the
// display server, so that the time from exec to exit is the time to the
// first frame.
#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <cstdlib>

#include "bench/first_paint_exit.h"

namespace {

QFont japaneseGothic() {
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                      QStringLiteral("IPAPGothic"), QStringLiteral("VL PGothic"),
                      QStringLiteral("Noto Sans CJK JP")});
    font.setPixelSize(16);
    return font;
}

#ifdef BARE_CLOCK
QString dateText(const QDate& date) {
    static const char16_t* const kDays[] = {u"月曜日", u"火曜日", u"水曜日", u"木曜日",
                                            u"金曜日", u"土曜日", u"日曜日"};
    return QStringLiteral("  %1年%2月%3日(%4)  ")
        .arg(date.year(), 4, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(QString::fromUtf16(kDays[date.dayOfWeek() - 1]));
}

void startClock(QWidget& window, const QFont& font) {
    auto* date = new QLabel(&window);
    auto* time = new QLabel(&window);
    date->setFont(font);
    time->setFont(font);
    date->setGeometry(40, 200, 300, 24);
    time->setGeometry(40, 240, 300, 24);
    auto* timer = new QTimer(&window);
    QObject::connect(timer, &QTimer::timeout, &window, [date, time] {
        const QDateTime now = QDateTime::currentDateTime();
        date->setText(dateText(now.date()));
        time->setText(QStringLiteral("  %1  ").arg(now.time().toString(u"hh:mm:ss")));
    });
    timer->start(100);
}
#endif

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.setFixedSize(580, 340);
    const QFont font = japaneseGothic();
    auto* label = new QLabel(QStringLiteral("曜日探し　＆　今週から1週間の運勢占い"), &window);
    label->setFont(font);
    label->setGeometry(40, 40, 500, 24);
#ifdef BARE_CLOCK
    startClock(window, font);
#endif
    kanmeri::bench::exitAfterFirstPaint(window);
    window.show();
    return QApplication::exec();
}
