"""The keyboard coming and going: home page without one, key page with one."""

from clavora_e2e import check, ctl, wait_for

RED = (255, 0, 0)


def on_home_page(ui, e2e):
    return (ui.shown(ctl.kHomeLayout) and ui.shown(ctl.kStatusText) and not ui.shown(ctl.kTabBar)
            and ui.text(ctl.kStatusText) == e2e.text(61))


def on_key_page(ui, e2e):
    tabs = ui.control(ctl.kTabBar)
    return (ui.shown(ctl.kTabBar) and tabs["selected"] == 1 and ui.shown(ctl.kKeyLayout)
            and not ui.shown(ctl.kHomeLayout) and ui.text(ctl.kPageCaption) == e2e.text(51))


def test_starts_to_home_page_without_keyboard(e2e):
    app = e2e.start(modes=[])
    ui = app.wait_ui(lambda u: on_home_page(u, e2e), "the home page saying no keyboard is connected")
    wait_for(lambda: app.state() == {"page": 0, "tabs": 0, "keyboard": 0, "visible": 1}, "the home page's state line")
    # What the probe says is also what is on the screen.
    shot = app.screenshot(save="home-without-keyboard")
    check(shot.count_near(RED, ui.rect(ctl.kStatusText), tolerance=60) > 50, "the status line is not drawn in red")
    # Nothing was sent to a keyboard that is not there.
    dump = app.emulator("dump")
    check(not dump["feature_reports"] and not dump["output_reports"], f"reports sent to an absent keyboard: {dump}")


def test_attach_shows_key_page_and_detach_returns_home(e2e):
    app = e2e.start(modes=[])
    app.wait_ui(lambda u: on_home_page(u, e2e), "the home page")
    home = app.screenshot()

    app.emulator("attach 0")
    ui = app.wait_ui(lambda u: on_key_page(u, e2e), "the key page after attaching the keyboard")
    wait_for(lambda: app.state() == {"page": 1, "tabs": 1, "keyboard": 1, "visible": 1}, "the key page's state line")
    keys = app.screenshot()
    check(home.difference(keys, ui.rect(ctl.kTabBar)) > 0.05, "the tab bar is not drawn")
    check(not keys.is_uniform(ui.rect(ctl.kKeyPicture)), "the keyboard picture is not drawn")
    check(len(ui.items(ctl.kKeyPicture)) > 80, "the keyboard picture has no keys")

    app.emulator("detach 0")
    app.wait_ui(lambda u: on_home_page(u, e2e), "the home page after detaching the keyboard")
    wait_for(lambda: app.state() == {"page": 0, "tabs": 0, "keyboard": 0, "visible": 1}, "the home page's state line")
    again = app.screenshot()
    check(again.count_near(RED, ui.rect(ctl.kStatusText), tolerance=60) > 50, "the status line is not drawn again")
