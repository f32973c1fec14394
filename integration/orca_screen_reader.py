#!/usr/bin/python3
"""kanmeri with a real screen reader: what Orca speaks as a user works it.

    orca_screen_reader.py KANMERI FORTUNE_TABLE_CPP WORK LOG

Starts, on the display, session bus and accessibility bus the caller gives
(orca_screen_reader.sh sets them up), a window manager (openbox), a private
speech-dispatcher with its dummy output module, Orca with its settings in
WORK, and then kanmeri. It drives the program with the keyboard only (XTEST
keys through xdotool) and checks what Orca spoke, which Orca's debug log
records as one line "SPEECH OUTPUT: '...'" an utterance:

  1. the main window's title and the date entry's name at start;
  2. the weekday sentence after ＯＫ, and again after ＯＫ once more;
  3. each error box (入力間違いです, 年月日等の不正です。　再入力して下さい,
     入力情報のエラーです), and the entry it leaves named again, by its
     name, once the box is closed with Return;
  4. the number entry's name and its description, which names Alt+G, when
     Tab reaches it; the drawn fortune after a digit and Alt+G;
  5. the clock window's title and focused option after 時刻のみ表示ボタン,
     the main window's title after 戻　る;
  6. nothing at all while either window idles (its clock ticking) for five
     changes of its time label, and never a clock text.

Orca writes its log through a pseudo-terminal, which it line-buffers, so each
utterance can be read as it is spoken (orca_session.py). Every wait is for an
utterance or an event in the log, with a ceiling of a minute; nothing sleeps
and then asserts. Exits 0 on success, 1 on a failure.
"""
import os
import re
import sys

from checks import check, fortune_messages, run_checks
from orca_session import OrcaLog, Processes, press, start_speech, type_text

MAIN_TITLE = "曜日探し　＆　今週から1週間の運勢占い（当たるかな？）"
CLOCK_TITLE = "日付と時刻の表示"
DATE_ENTRY = "お探しの年月日（yyyy/mm/dd）"
NUMBER_ENTRY = "好きな数字（１桁）"
SATURDAY = " お探しの日の曜日は　土曜日　です"
CLOCK_TEXT = re.compile(r"\d\d:\d\d:\d\d|[AP]M\)")

def notification(text):
    """What Orca says as a notification showing `text` appears: its role, then
    its name, with a full stop after a letter or digit."""
    return f"notification {text}" + ("." if text[-1].isalnum() else "")


def run(kanmeri, messages, work, log):
    processes = Processes(work)
    try:
        processes.start("openbox", ["openbox", "--sm-disable"])
        start_speech(processes, work)
        processes.start("orca", ["orca", "--user-prefs", os.path.join(work, "orca"),
                                 "--debug-file", log.device])
        log.expect("Screen reader on.", 0)
        since = log.mark()
        processes.start("kanmeri", [kanmeri], env=dict(os.environ, QT_QPA_PLATFORM="xcb"))
        drive(log, messages, since)
    finally:
        processes.stop()


def drive(log, messages, since):
    # 1. At start: the window, then the focused date entry by its name.
    title = log.expect(f"{MAIN_TITLE} frame.", since, "the main window as a frame")
    log.expect(f"{DATE_ENTRY} text.", title + 1, "the date entry named")
    weekday(log)
    fortune(log, messages)
    switch(log)
    check(not [s for s in log.spoken(0) if CLOCK_TEXT.search(s)], "no clock text was ever said")


def weekday(log):
    # 2. The weekday after ＯＫ, and the same result again after ＯＫ again.
    type_text("2000/01/01")
    press(log, ["Tab"], "１２時間表示.")
    press(log, ["Tab"], "ｷｬﾝｾﾙ push button.")
    press(log, ["Tab"], "ＯＫ push button.")
    press(log, ["space"], notification(SATURDAY), "the weekday after ＯＫ")
    press(log, ["space"], notification(SATURDAY), "the weekday again after ＯＫ again")
    # 3. The error boxes, and the entry named again as each closes; the
    # blanks it is left with follow what is typed next.
    press(log, ["shift+Tab", "shift+Tab", "shift+Tab"], f"{DATE_ENTRY} text.")
    for text, message, box in (("9999/12/31", "入力間違いです", "kanmeri"),
                               ("2000/13/45", "年月日等の不正です。　再入力して下さい", "ERR 情報")):
        type_text(text)
        press(log, ["Tab", "Tab", "Tab"], "ＯＫ push button.")
        shown = press(log, ["space"], f"alert {box}.", f"the box for {text}")
        log.expect(f"{message}.", shown + 1)
        log.expect("OK push button.", shown + 1)
        press(log, ["Return"], f"{DATE_ENTRY} text.", f"{DATE_ENTRY} named after the box")


def fortune(log, messages):
    # 4. The number entry tells Alt+G; the fortune is spoken as it appears.
    named = press(log, ["Tab", "Tab", "Tab", "Tab"], f"{NUMBER_ENTRY} text.")
    log.expect("Alt+G で占います.", named + 1, "the number entry's description")
    type_text("5")
    drawn = {notification(m) for m in messages[1:60]}
    press(log, ["alt+g"], lambda said: said in drawn, "a fortune of the table after Alt+G")
    shown = press(log, ["alt+g"], "alert kanmeri.", "the box after Alt+G with no digit")
    log.expect("入力情報のエラーです.", shown + 1)
    press(log, ["Return"], f"{NUMBER_ENTRY} text.", f"{NUMBER_ENTRY} named after the box")


def switch(log):
    # 5 and 6. The clock window, each window idling in silence, and back.
    press(log, ["Tab"], "このプログラムの終了ボタン push button.")
    press(log, ["Tab"], "時刻のみ表示ボタン push button.")
    clock = press(log, ["space"], f"{CLOCK_TITLE} frame.", "the clock window")
    option = log.expect("２４時間.", clock + 1, "the clock window's focused option")
    log.expect("selected radio button", option + 1)
    idle(log, ["Tab"], "戻　る push button.", "the clock window")
    main = press(log, ["space"], f"{MAIN_TITLE} frame.", "the main window back")
    log.expect(f"{DATE_ENTRY} text.", main + 1)
    idle(log, ["Tab"], "時刻表示切替 panel.", "the main window")


def idle(log, keys, wanted, window):
    """Lets `window` idle for five changes of its time label, then presses
    `keys`: Orca handles events in order, so whatever the idling made it say
    comes before what the keys make it say. Orca speaks all it says of one
    event before it hears the next, so the idling starts at a tick."""
    log.wait_ticks(1, f"a tick of {window}'s clock")
    since = log.mark()
    log.wait_ticks(5, f"five ticks of {window}'s clock")
    after = press(log, keys, wanted)
    said = [s for s in log.spoken(since, after) if s != "tab "]
    check(not said, f"nothing said while {window} idled ({said!r})")


def main():
    kanmeri, table_cpp, work, log_path = sys.argv[1:5]
    messages = fortune_messages(table_cpp)
    if not check(len(messages) == 61, f"the fortune table has 61 messages ({len(messages)})"):
        return
    run(kanmeri, messages, work, OrcaLog(log_path))


if __name__ == "__main__":
    run_checks(main)
