"""The window's life: one instance, commands from other processes, the close button, the tray."""

import os
from xml.etree import ElementTree

from clavora_e2e import check, ctl, wait_for

PROMPT = "CloseWindowTipDlg"
HIDE_CHOICE, QUIT_CHOICE, PROMPT_OK = 31, 32, 33


def main_window_shown(app):
    return app.ui().window()["visible"] and app.is_visible()


def main_window_hidden(app):
    return not app.ui().window()["visible"] and not app.is_visible()


def test_second_start_activates_first_and_exits_0(e2e):
    first = e2e.start()
    second = e2e.start(wait=False)
    check(second.wait_exit() == 0, "the second start did not end with code 0")
    check(first.running() and main_window_shown(first), "the first instance did not stay shown")


def test_quit_from_another_process_ends_it(e2e):
    app = e2e.start()
    check(app.instance("reload-texts") == "ok", "reload-texts was not taken")
    check(app.instance("no-such-command") == "ignored", "an unknown command was taken")
    try:
        app.instance("quit")
    except OSError:
        pass  # the program may end before it answers
    check(app.wait_exit() == 0, "quit did not end the program with code 0")
    # The next start is a first start again: nothing left behind holds the instance.
    again = e2e.start()
    check(again.running() and main_window_shown(again), "a start after quit did not show its window")


def test_close_prompt_hides_to_tray_and_activate_shows_again(e2e):
    app = e2e.start()
    app.click_control(ctl.kClose)
    ui = app.wait_ui(lambda u: u.has_window(PROMPT), "the close prompt")
    app.screenshot(PROMPT, save="close-prompt")
    check(ui.control(HIDE_CHOICE, PROMPT)["checked"] and not ui.control(QUIT_CHOICE, PROMPT)["checked"],
          "the prompt does not start with 'hide to the tray' chosen")
    check(ui.text(HIDE_CHOICE, PROMPT) == e2e.text(171) and ui.text(QUIT_CHOICE, PROMPT) == e2e.text(172),
          "the prompt's choices have the wrong texts")
    app.click_control(PROMPT_OK, PROMPT)
    wait_for(lambda: app.settings().get("exit_mode") == "1", "exit_mode 1 in settings.ini")
    wait_for(lambda: main_window_hidden(app), "the main window to hide")
    check(app.running(), "hiding to the tray ended the program")

    check(app.instance("activate") == "ok", "activate was not taken")
    wait_for(lambda: main_window_shown(app), "the main window to show again")
    ui = app.wait_ui(lambda u: u.control(ctl.kClose).get("tooltip") == e2e.text(171), "the close tooltip")

    # Now the close button hides at once, and a second start brings the window back.
    app.click_control(ctl.kClose)
    wait_for(lambda: main_window_hidden(app), "the main window to hide without asking")
    check(not app.ui().has_window(PROMPT), "the prompt was shown although exit_mode is set")
    second = e2e.start(wait=False)
    check(second.wait_exit() == 0, "the second start did not end with code 0")
    wait_for(lambda: main_window_shown(app), "the second start to show the first window")


def test_close_prompt_quit_choice_ends_program(e2e):
    app = e2e.start()
    app.click_control(ctl.kClose)
    app.wait_ui(lambda u: u.has_window(PROMPT), "the close prompt")
    app.click_control(QUIT_CHOICE, PROMPT)
    app.wait_ui(lambda u: u.control(QUIT_CHOICE, PROMPT)["checked"], "the quit choice to be checked")
    app.click_control(PROMPT_OK, PROMPT)
    check(app.wait_exit() == 0, "choosing quit did not end the program with code 0")
    check(app.settings().get("exit_mode") == "2", f"exit_mode is {app.settings().get('exit_mode')!r}, not 2")
    # Nothing left behind holds the instance.
    check(e2e.start().running(), "no start after quitting")


def test_website_button_opens_the_configured_url(e2e):
    config = ElementTree.parse(os.path.join(e2e.bin_dir, "config.xml"))
    url = config.find("software/website").get("url")
    app = e2e.start(modes=[])
    app.click_control(ctl.kWebsite)
    wait_for(lambda: e2e.opened() == [url], f"{url} handed to xdg-open")
    check(main_window_shown(app), "opening the website changed the window")
