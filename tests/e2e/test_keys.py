"""Key assignment and profiles as a user does them: clicks on the key page, then keys typed on
the stand-in keyboard and read back from the stand-in virtual device."""

from clavora_e2e import check, ctl, wait_for

KEY_A, KEY_B, KEY_C, KEY_D, KEY_N, KEY_Q, KEY_Z = 4, 5, 6, 7, 17, 20, 29
SPACE, LEFT_ALT = 44, 226
VOLUME_UP = 234

# The key menu's commands.
RESTORE, DISABLE, MACRO, SHORTCUT = 606, 607, 608, 609
MENU = "Menu Window"
DIALOG = "CustomKeyDlg"
CHOICES, OK = 37, 44


def held(report):
    """The usages a keyboard report (hex after the ID) holds down."""
    data = bytes.fromhex(report["hex"])
    return {(i - 1) * 8 + bit for i in range(1, len(data)) for bit in range(8) if data[i] & (1 << bit)}


def consumer(report):
    data = bytes.fromhex(report["hex"])
    return data[0] | data[1] << 8


def key_page(e2e):
    app = e2e.start()
    app.wait_ui(lambda u: u.shown(ctl.kKeyLayout) and len(u.items(ctl.kProfileList)) == 3, "the key page with profiles")
    return app


def armed(app, action):
    """Runs a UI action that changes an assignment and waits until the key filter took it: arming
    releases every virtual report, the system report among them."""
    app.emulator("clear")
    action()
    wait_for(lambda: any(r["id"] == 4 for r in app.emulator("dump")["virtual_reports"]), "the key filter re-armed")
    app.emulator("clear")


def click_key(app, code, button=1):
    ui = app.ui()
    app.click_rect(ui.item(ctl.kKeyPicture, code=code)["rect"], button=button)


def choose(app, key, code):
    """Selects a key on the picture and gives it a chooser item."""
    click_key(app, key)
    app.wait_ui(lambda u: u.control(ctl.kKeyPicture)["selected"] == u.item(ctl.kKeyPicture, code=key)["index"],
                f"key {key} selected")
    armed(app, lambda: app.click_rect(app.ui().item(ctl.kKeyChooser, data=code)["rect"]))
    app.wait_ui(lambda u: u.item(ctl.kKeyPicture, code=key)["checked"], f"key {key} marked")


def menu(app, key, command):
    """Right-clicks a key and picks a command of its menu."""
    click_key(app, key, button=3)
    app.wait_ui(lambda u: u.has_window(MENU), "the key menu")
    app.click_control(command, title=MENU)


def tap(app, *keys):
    for key in keys:
        app.emulator(f"press {key}")
        app.emulator(f"release {key}")


def is_release_all(reports, i):
    """Whether reports[i:i + 4] are the four empty reports of the key filter letting go of
    everything (which every re-arming writes)."""
    run = reports[i:i + 4]
    return ([r["id"] for r in run] == [1, 2, 3, 4]
            and all(not any(bytes.fromhex(r["hex"])) for r in run))


def key_reports(reports):
    """The reports without the release-everything runs of re-arming."""
    kept, i = [], 0
    while i < len(reports):
        if is_release_all(reports, i):
            i += 4
            continue
        kept.append(reports[i])
        i += 1
    return kept


def reports(app, count, what):
    """Waits for `count` reports besides re-arming's and returns them."""
    return wait_for(lambda: (lambda r: r if len(r) >= count else None)(
        key_reports(app.emulator("dump")["virtual_reports"])), what)


def expect_a_types(app, usage):
    app.emulator("clear")
    tap(app, KEY_A)
    got = reports(app, 2, f"A typing {usage}")
    check([r["id"] for r in got] == [1, 1], f"A wrote other reports than a key's: {got}")
    check(held(got[0]) == {usage} and held(got[1]) == set(), f"A typed {held(got[0])}, then {held(got[1])}")


def store_row(app, key):
    with app.store() as db:
        return db.execute("SELECT macro_type, macro_value, macro_desc FROM t_key_macro_data "
                          "WHERE profile = (SELECT profile FROM t_profile_data WHERE status = 1) "
                          "AND fn_layer = 0 AND key_code = ?", (key,)).fetchone()


def test_chooser_gives_a_the_b_key(e2e):
    app = key_page(e2e)
    expect_a_types(app, KEY_A)
    choose(app, KEY_A, KEY_B)
    check(store_row(app, KEY_A) == (2, KEY_B, "B"), f"stored {store_row(app, KEY_A)}")
    app.screenshot().save_png(e2e.artifact("a-is-b.png"))
    expect_a_types(app, KEY_B)


def test_disabled_key_types_nothing(e2e):
    app = key_page(e2e)
    # D types C: its events reach the key handler after A's, so its report shows A's are done.
    choose(app, KEY_D, KEY_C)
    armed(app, lambda: menu(app, KEY_A, DISABLE))
    check(store_row(app, KEY_A) == (1, 1, ""), f"stored {store_row(app, KEY_A)}")
    tap(app, KEY_A, KEY_D)
    got = reports(app, 2, "D's reports")
    check(len(got) == 2 and held(got[0]) == {KEY_C} and held(got[1]) == set(), f"reports: {got}")


def test_volume_up_while_held(e2e):
    app = key_page(e2e)
    choose(app, KEY_A, VOLUME_UP)
    check(store_row(app, KEY_A) == (2, VOLUME_UP, e2e.text(234)), f"stored {store_row(app, KEY_A)}")
    app.emulator(f"press {KEY_A}")
    got = reports(app, 1, "the consumer report")
    check(got[0]["id"] == 3 and consumer(got[0]) == 0xE9, f"on press: {got}")
    app.emulator(f"release {KEY_A}")
    got = reports(app, 2, "the consumer release")
    check(len(got) == 2 and got[1]["id"] == 3 and consumer(got[1]) == 0, f"on release: {got}")


def assign_shortcut(app, key, number):
    """The custom key dialog in shortcut mode, the `number`th of its fifteen choices, OK."""
    menu(app, key, SHORTCUT)
    app.wait_ui(lambda u: u.has_window(DIALOG) and len(u.items(CHOICES, title=DIALOG)) == 15, "the custom key dialog")
    app.click_control(CHOICES, title=DIALOG)
    app.wait_ui(lambda u: u.has_window("ComboWnd"), "the choices")
    app.key("End")
    for _ in range(15 - number):
        app.key("Up")
    app.key("Return")
    app.wait_ui(lambda u: u.control(CHOICES, title=DIALOG)["selected"] == number - 1, f"choice {number}")
    armed(app, lambda: app.click_control(OK, title=DIALOG))
    app.wait_ui(lambda u: not u.has_window(DIALOG, visible=False), "the dialog closed")


def test_shortcut_14_from_the_custom_key_dialog(e2e):
    app = key_page(e2e)
    assign_shortcut(app, KEY_A, 14)
    check(store_row(app, KEY_A) == (7, 14, e2e.text(714)), f"stored {store_row(app, KEY_A)}")
    tap(app, KEY_A)
    # The six strokes, then the release of all four reports.
    got = reports(app, 6, "the shortcut")
    strokes = [held(r) for r in got]
    want = [{LEFT_ALT}, {LEFT_ALT, SPACE}, {LEFT_ALT, SPACE, KEY_N}, {LEFT_ALT, SPACE}, {LEFT_ALT}, set()]
    check(strokes == want and all(r["id"] == 1 for r in got), f"strokes {strokes}")
    everything = wait_for(lambda: (lambda r: r if len(r) >= 10 else None)(app.emulator("dump")["virtual_reports"]),
                          "the release after the shortcut")
    check(is_release_all(everything, len(everything) - 4), f"no release after the strokes: {everything[-4:]}")


def click_profile(app, row):
    before = app.ui()
    app.click_rect(before.item(ctl.kProfileList, index=row)["rect"])
    app.wait_ui(lambda u: u.control(ctl.kProfileList)["selected"] == row, f"profile row {row}")


def test_switching_profiles_switches_the_keys(e2e):
    app = key_page(e2e)
    choose(app, KEY_A, KEY_B)
    armed(app, lambda: click_profile(app, 1))
    expect_a_types(app, KEY_A)
    choose(app, KEY_A, KEY_C)
    expect_a_types(app, KEY_C)
    armed(app, lambda: click_profile(app, 0))
    expect_a_types(app, KEY_B)
    with app.store() as db:
        active = db.execute("SELECT name FROM t_profile_data WHERE status = 1").fetchall()
    check(active == [("Profile 1",)], f"active: {active}")
    armed(app, lambda: click_profile(app, 1))
    expect_a_types(app, KEY_C)


def test_restore_default_types_a_again(e2e):
    app = key_page(e2e)
    choose(app, KEY_A, KEY_B)
    expect_a_types(app, KEY_B)
    app.emulator("clear")
    armed(app, lambda: menu(app, KEY_A, RESTORE))
    check(store_row(app, KEY_A) is None, f"A still has {store_row(app, KEY_A)}")
    app.wait_ui(lambda u: not u.item(ctl.kKeyPicture, code=KEY_A)["checked"], "A's mark gone")
    expect_a_types(app, KEY_A)


def test_deleting_a_profile_writes_the_current_one_into_the_keyboard(e2e):
    app = key_page(e2e)
    armed(app, lambda: click_profile(app, 1))
    choose(app, KEY_A, KEY_B)
    armed(app, lambda: menu(app, KEY_Z, DISABLE))
    assign_shortcut(app, KEY_Q, 14)
    armed(app, lambda: click_profile(app, 2))

    app.click_control(ctl.kProfileDelete)
    app.wait_ui(lambda u: u.has_window("MessageBox"), "the question")
    app.click_control(33, title="MessageBox")

    def slots():
        keyboard = app.emulator("dump")["keyboard"]
        remaps = [(s["key"], s["value"]) for s in keyboard["remap_slots"] if s["key"]]
        macros = [(s["key"], [(e["usage"], e["release"]) for e in s["events"]]) for s in keyboard["macro_slots"]
                  if s["key"]]
        return (remaps, macros) if len(remaps) + len(macros) >= 3 else None
    remaps, macros = wait_for(slots, "the keyboard's slots written")
    check(remaps == [(KEY_A, KEY_B), (KEY_Z, 1)], f"remap slots {remaps}")
    sequence = [(LEFT_ALT, False), (SPACE, False), (KEY_N, False), (KEY_N, True), (SPACE, True), (LEFT_ALT, True)]
    check(macros == [(KEY_Q, sequence)], f"macro slots {macros}")
    ui = app.wait_ui(lambda u: not u.has_window("WaitDlg", visible=False) and u.window("Clavora")["enabled"],
                     "the wait box gone")
    check([i["text"] for i in ui.items(ctl.kProfileList)] == ["Profile 1", "Profile 2"], "profile 3 still listed")
    check(ui.control(ctl.kProfileList)["selected"] == 1, "the row before the deleted one is not selected")
    app.screenshot().save_png(e2e.artifact("after-delete.png"))
    expect_a_types(app, KEY_B)
